// The emulator's datasource and host state: what a fixture describes, and what the host keeps
// per process (current selections, data buffers, host-owned texts, the call log and faults).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "tarnwick/guid.h"
#include "tarnwick/host_types.h"
#include "tarnwick/ov_records.h"

namespace Tarnwick::Emulator {

using OvWrapper::HostHandle;

struct Folder {
  int32_t id = 0;
  int32_t parent = 0;
  Guid guid;
  std::u16string name;
  std::u16string description;
};

struct Document {
  int32_t projectId = 0;
  int32_t id = 0;
  Guid guid;
  std::u16string name;
  std::u16string fileName;
  std::string content;            // the file's bytes, written by a fetch
  bool fetchWrites = true;        // false: a fetch reports a path it never wrote
  std::u16string localFile;       // the host's record of the local copy, if any
};

// A view of the document list, offered for the folders it names (for every folder when it
// names none).
struct View {
  int32_t id = 0;
  std::optional<std::u16string> name;
  std::vector<int32_t> projects;
};

struct Environment {
  int32_t id = 0;
  int32_t tableId = 0;
  int32_t flags = 0;
  int32_t attributeCount = 0;
  int32_t viewId = 0;
  bool system = false;  // listed only when a select asks for the host's system environments
  std::u16string name;
  std::u16string description;
};

// A table of the datasource's SQL database as a fixture declares it: columns in order with
// their SQL types ("int", "nvarchar(40)", "datetime", "bit", "uniqueidentifier", "float",
// "bigint", ...), and rows of values, UTF-8 text or numbers (JSON null for SQL NULL, JSON
// true and false for 1 and 0). A table without columns names one that every datasource has
// (dms_gcfg, dms_ucfg) and adds its rows to it.
struct SqlFixtureColumn {
  std::string name;
  std::string type;
};
using SqlFixtureValue = std::variant<std::monostate, int64_t, double, std::string>;
struct SqlFixtureTable {
  std::string name;
  std::vector<SqlFixtureColumn> columns;
  std::vector<std::vector<SqlFixtureValue>> rows;
};

// A user who may log in (emulator/host_logins.cpp); an administrator may also log in with
// qxApi_AdminLogin.
struct Account {
  std::u16string user;
  std::u16string password;
  bool admin = false;
};

// An administrative object of one of the kinds below: its id and its properties, keyed by the
// host's property ids of that kind (UserProperty, GroupProperty, ...). A text property the
// fixture leaves out has no text: the host returns a null pointer for it.
struct AdminObject {
  int32_t id = 0;
  std::map<int32_t, std::u16string> texts;
  std::map<int32_t, int32_t> numbers;
  int32_t workflow = 0;  // a state's workflow
};

enum class AdminKind {
  Users, Groups, UserLists, Workflows, States, Storages, Applications, Interfaces, Departments
};

// The view types of the host's default views.
inline const std::u16string kDocumentListViewType = u"2073fbc1-2fbf-496f-9de0-015ab4010e94";
inline const std::u16string kPreviewPaneViewType = u"b7312de2-d64b-4c40-9369-a14c2f46d2ef";
inline const std::u16string kFolderObjectType = u"67536006-10e4-4428-86b1-bbcc11699ded";

struct Datasource {
  std::u16string name;
  std::vector<Account> accounts;
  std::u16string singleSignOnUser;  // who a login with empty user and password is; empty: refused
  std::vector<Folder> folders;
  std::vector<Document> documents;
  std::vector<Environment> environments;
  std::vector<SqlFixtureTable> tables;
  int32_t currentUser = 0;  // 0: nobody is logged in
  std::map<AdminKind, std::vector<AdminObject>> admin;  // in the fixture's order
  std::map<int32_t, std::u16string> workingFolders;      // by user id
  std::vector<View> views;
  // The local copy of each document the host knows of, by (folder id, document id): from the
  // fixture, then from every fetch.
  std::map<std::pair<int32_t, int32_t>, std::u16string> localFiles;
  // Default views by (folder id, view-type GUID text).
  std::map<std::pair<int32_t, std::u16string>, int32_t> defaultViews;

  const Folder* FindFolder(int32_t id) const;
  const Folder* FindFolder(const Guid& guid) const;
  const Document* FindDocument(int32_t projectId, int32_t id) const;
  const Document* FindDocument(const Guid& guid) const;

  // Rebuilds the lookup indexes; call after changing folders or documents.
  void Index();

 private:
  static std::string Key(const Guid& guid) { return std::string(reinterpret_cast<const char*>(&guid), sizeof guid); }
  static uint64_t Key(int32_t projectId, int32_t id) { return uint64_t(uint32_t(projectId)) << 32 | uint32_t(id); }

  std::map<int32_t, size_t> folderById_;
  std::map<std::string, size_t> folderByGuid_;
  std::map<uint64_t, size_t> documentById_;
  std::map<std::string, size_t> documentByGuid_;
};

// The datasource's SQL database, one SQL select result, and what the emulator keeps of them
// (emulator/host_sql.h).
struct SqlDatabase;
struct SqlResult;

// Parses a JSON fixture; throws std::exception with the reason when it is not one.
Datasource ParseFixture(const std::string& json);
const std::string& BuiltInSampleFixture();

class Host {
 public:
  static Host& Instance();

  // Everything below is guarded by mutex(); the host functions hold it for their whole call.
  std::recursive_mutex& mutex() { return mutex_; }

  void Reset();
  // A new datasource: buffers and selections of the old one are dropped with it.
  void ReplaceDatasource(Datasource datasource);
  void Log(std::string entry) {
    if (callLogging_) callLog_.push_back(std::move(entry));
  }
  const std::vector<std::string>& CallLog() const { return callLog_; }
  void ClearCallLog() { callLog_.clear(); }

  bool Failing(const char* function) const { return failing_.count(function) != 0; }
  bool NullText(const char* function) const { return nullText_.count(function) != 0; }
  void SetFailing(const std::string& function, bool on) { Toggle(failing_, function, on); }
  void SetNullText(const std::string& function, bool on) { Toggle(nullText_, function, on); }
  void SetHidden(const std::string& name, bool on) { Toggle(hidden_, name, on); }
  bool Hidden(const std::string& name) const { return hidden_.count(name) != 0; }

  Datasource& datasource() { return datasource_; }
  std::string& lastError() { return lastError_; }

  // The call log can be switched off for long runs (benchmarks); Reset switches it on.
  void SetCallLogging(bool on) { callLogging_ = on; }
  bool callLogging() const { return callLogging_; }

  // The host's own last error (qxApi_GetLastErrorId, qxApi_GetLastErrorMessage), set by a
  // failed host call and kept until the next failure or a reset.
  void SetHostError(int32_t id, std::u16string message) {
    hostErrorId_ = id;
    hostErrorMessage_ = std::move(message);
  }
  int32_t hostErrorId() const { return hostErrorId_; }
  const std::u16string& hostErrorMessage() const { return hostErrorMessage_; }

  // Open connections by data-source handle (emulator/host_logins.cpp), and the active one (0:
  // none). Every datasource starts with the desktop client's connection open and active, as
  // the anonymous login of the datasource's name.
  struct Connection {
    std::u16string datasource;
    std::u16string user;
    bool admin = false;
  };
  std::map<HostHandle, Connection>& connections() { return connections_; }
  HostHandle& activeConnection() { return activeConnection_; }
  // A handle never given before, so that a dropped connection's handle stays stale.
  HostHandle NewConnectionHandle() { return nextConnection_ += 0x100; }

  // Host-owned text: valid until the next call of the same getter.
  const char16_t* HostText(const char* getter, std::optional<std::u16string> text);

  // Data buffers of document rows.
  HostHandle NewDocumentBuffer(std::vector<const Document*> rows);
  const std::vector<const Document*>* DocumentBuffer(HostHandle handle) const;
  // Data buffers of SQL select results.
  HostHandle NewSqlBuffer(std::shared_ptr<const SqlResult> result);
  const SqlResult* SqlBuffer(HostHandle handle) const;
  bool FreeBuffer(HostHandle handle);
  int32_t OpenBufferCount() const {
    return int32_t(documentBuffers_.size() + sqlBuffers_.size() + folderBuffers_.size());
  }
  // Data buffers of folder rows, freed with the same qxApi_DmsDataBufferFree.
  HostHandle NewFolderBuffer(std::vector<const Folder*> rows);
  const std::vector<const Folder*>* FolderBuffer(HostHandle handle) const;

  // Moniker texts built for the caller: the caller owns them and releases each with qxApi_Free.
  HostHandle NewMonikerText(const std::u16string& text);
  bool FreeMonikerText(HostHandle pointer);
  int32_t OpenMonikerTextCount() const { return int32_t(monikerTexts_.size()); }

  // Monikers parsed from text: host-owned, valid until the datasource is replaced.
  struct Moniker {
    std::u16string datasource;
    bool document = false;  // a document moniker, else a folder's
    Guid guid;
  };
  HostHandle NewMoniker(Moniker moniker);
  const Moniker* FindMoniker(HostHandle handle) const;
  int32_t InvalidFreeCount() const { return invalidFrees_; }

  // The process-wide current folder selection.
  std::vector<const Folder*>& projectSelection() { return projectSelection_; }
  // The process-wide current selection of each kind of administrative object.
  std::vector<const AdminObject*>& adminSelection(AdminKind kind) { return adminSelections_[kind]; }
  // The process-wide current document selection (qxApi_GUIDSelectDocument).
  std::vector<const Document*>& documentSelection() { return documentSelection_; }
  // The view applied to the document list last, 0 for none; the project of a view walk.
  int32_t& documentListView() { return documentListView_; }
  int32_t& viewWalkProject() { return viewWalkProject_; }
  // The process-wide current environment selection.
  std::vector<const Environment*>& environmentSelection() { return environmentSelection_; }

  // Hooks registered with qxApi_AddHook, in registration order; kept until emu_Reset.
  struct Hook {
    int32_t id;
    int32_t type;
    OvWrapper::GenericHookFunction function;
  };
  std::vector<Hook>& hooks() { return hooks_; }

  // The datasource's SQL database and the process-wide current SQL selection (none before the
  // first select, and after a failed one).
  SqlDatabase& sqlDatabase() { return *sqlDatabase_; }
  std::shared_ptr<const SqlResult>& sqlSelection() { return sqlSelection_; }

 private:
  // std::less<> lets a name given as const char* be looked up without a std::string.
  using NameSet = std::set<std::string, std::less<>>;
  static void Toggle(NameSet& names, const std::string& name, bool on) {
    if (on) {
      names.insert(name);
    } else {
      names.erase(name);
    }
  }

  std::recursive_mutex mutex_;
  Datasource datasource_;
  std::string lastError_;
  std::vector<std::string> callLog_;
  NameSet failing_, nullText_, hidden_;
  std::map<std::string, std::u16string> hostTexts_;
  std::map<HostHandle, std::vector<const Document*>> documentBuffers_;
  HostHandle nextHandle_ = 0x1000;
  int32_t invalidFrees_ = 0;
  std::map<HostHandle, std::vector<const Folder*>> folderBuffers_;
  std::map<HostHandle, std::unique_ptr<char16_t[]>> monikerTexts_;
  std::map<HostHandle, std::unique_ptr<Moniker>> monikers_;
  std::vector<const Folder*> projectSelection_;
  std::vector<const Environment*> environmentSelection_;
  std::vector<const Document*> documentSelection_;
  int32_t documentListView_ = 0;
  int32_t viewWalkProject_ = 0;
  std::map<AdminKind, std::vector<const AdminObject*>> adminSelections_;
  std::vector<Hook> hooks_;
  bool callLogging_ = true;
  int32_t hostErrorId_ = 0;
  std::u16string hostErrorMessage_;
  std::shared_ptr<SqlDatabase> sqlDatabase_;
  std::shared_ptr<const SqlResult> sqlSelection_;
  std::map<HostHandle, std::shared_ptr<const SqlResult>> sqlBuffers_;
  std::map<HostHandle, Connection> connections_;
  HostHandle activeConnection_ = 0;
  HostHandle nextConnection_ = 0x70000;
};

}  // namespace Tarnwick::Emulator
