#include "emulator/datasource.h"

#include <algorithm>
#include <filesystem>

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "emulator/host_sql.h"
#include "platform/text.h"

namespace Tarnwick::Emulator {
namespace {

std::u16string Text(const nlohmann::json& object, const char* key) {
  auto it = object.find(key);
  return it == object.end() ? std::u16string() : platform::FromUtf8(it->get<std::string>());
}

// A leading "%TEMP%" stands for the system's temporary folder, so that a fixture can name
// real folders on any machine.
std::u16string ExpandTemp(std::u16string text) {
  constexpr std::u16string_view kTemp = u"%TEMP%";
  if (text.compare(0, kTemp.size(), kTemp) != 0) return text;
  std::u16string temp = std::filesystem::temp_directory_path().u16string();
  while (!temp.empty() && (temp.back() == u'/' || temp.back() == u'\\')) temp.pop_back();
  return temp + text.substr(kTemp.size());
}

Guid GuidOf(const nlohmann::json& object) {
  return Guid::Parse(platform::FromUtf8(object.at("guid").get<std::string>()));
}

SqlFixtureValue SqlValueOf(const nlohmann::json& value) {
  switch (value.type()) {
    case nlohmann::json::value_t::null:
      return std::monostate();
    case nlohmann::json::value_t::boolean:
      return int64_t(value.get<bool>() ? 1 : 0);
    case nlohmann::json::value_t::number_integer:
    case nlohmann::json::value_t::number_unsigned:
      return value.get<int64_t>();
    case nlohmann::json::value_t::number_float:
      return value.get<double>();
    case nlohmann::json::value_t::string:
      return value.get<std::string>();
    default:
      throw std::runtime_error("a SQL table value must be null, a boolean, a number or a text");
  }
}

SqlFixtureTable SqlTableOf(const nlohmann::json& item) {
  SqlFixtureTable table{item.at("name").get<std::string>(), {}, {}};
  for (const auto& column : item.value("columns", nlohmann::json::array())) {
    table.columns.push_back(
        {column.at("name").get<std::string>(), column.at("type").get<std::string>()});
  }
  for (const auto& row : item.value("rows", nlohmann::json::array())) {
    std::vector<SqlFixtureValue>& values = table.rows.emplace_back();
    for (const auto& value : row) values.push_back(SqlValueOf(value));
  }
  return table;
}

}  // namespace

namespace {

template <typename Map, typename Key, typename Items>
auto Lookup(const Map& index, const Key& key, const Items& items) -> decltype(&items[0]) {
  auto it = index.find(key);
  return it == index.end() ? nullptr : &items[it->second];
}

}  // namespace

const Folder* Datasource::FindFolder(int32_t id) const { return Lookup(folderById_, id, folders); }

const Folder* Datasource::FindFolder(const Guid& guid) const {
  return Lookup(folderByGuid_, Key(guid), folders);
}

const Document* Datasource::FindDocument(int32_t projectId, int32_t id) const {
  return Lookup(documentById_, Key(projectId, id), documents);
}

const Document* Datasource::FindDocument(const Guid& guid) const {
  return Lookup(documentByGuid_, Key(guid), documents);
}

void Datasource::Index() {
  folderById_.clear();
  folderByGuid_.clear();
  documentById_.clear();
  documentByGuid_.clear();
  // The first of two items with the same key wins, as a linear search would find it.
  for (size_t i = 0; i < folders.size(); ++i) {
    folderById_.try_emplace(folders[i].id, i);
    folderByGuid_.try_emplace(Key(folders[i].guid), i);
  }
  for (size_t i = 0; i < documents.size(); ++i) {
    documentById_.try_emplace(Key(documents[i].projectId, documents[i].id), i);
    documentByGuid_.try_emplace(Key(documents[i].guid), i);
  }
}

Datasource ParseFixture(const std::string& json) {
  nlohmann::json root = nlohmann::json::parse(json);
  Datasource datasource;
  datasource.name = Text(root, "datasource");
  for (const auto& item : root.value("folders", nlohmann::json::array())) {
    datasource.folders.push_back(Folder{item.at("id").get<int32_t>(), item.value("parent", 0),
                                        GuidOf(item), Text(item, "name"),
                                        Text(item, "description")});
  }
  for (const auto& item : root.value("documents", nlohmann::json::array())) {
    Document document;
    document.projectId = item.at("project").get<int32_t>();
    document.id = item.at("id").get<int32_t>();
    document.guid = GuidOf(item);
    document.name = Text(item, "name");
    document.fileName = Text(item, "file");
    document.content = item.value("content", std::string());
    document.fetchWrites = item.value("fetchWrites", true);
    document.localFile = ExpandTemp(Text(item, "localFile"));
    if (!document.localFile.empty()) {
      datasource.localFiles[{document.projectId, document.id}] = document.localFile;
    }
    datasource.documents.push_back(std::move(document));
  }
  datasource.currentUser = root.value("currentUser", 0);
  for (const auto& item : root.value("views", nlohmann::json::array())) {
    View view;
    view.id = item.at("id").get<int32_t>();
    if (item.contains("name")) view.name = Text(item, "name");
    view.projects = item.value("projects", std::vector<int32_t>());
    datasource.views.push_back(std::move(view));
  }
  for (const auto& item : root.value("folders", nlohmann::json::array())) {
    const int32_t id = item.at("id").get<int32_t>();
    if (item.contains("defaultView")) {
      datasource.defaultViews[{id, kDocumentListViewType}] = item["defaultView"].get<int32_t>();
    }
    if (item.contains("previewView")) {
      datasource.defaultViews[{id, kPreviewPaneViewType}] = item["previewView"].get<int32_t>();
    }
  }
  for (const auto& item : root.value("environments", nlohmann::json::array())) {
    Environment environment;
    environment.id = item.at("id").get<int32_t>();
    environment.tableId = item.value("table", 0);
    environment.flags = item.value("flags", 0);
    environment.attributeCount = item.value("attributes", 0);
    environment.viewId = item.value("view", 0);
    environment.system = item.value("system", false);
    environment.name = Text(item, "name");
    environment.description = Text(item, "description");
    datasource.environments.push_back(std::move(environment));
  }
  for (const auto& item : root.value("accounts", nlohmann::json::array())) {
    datasource.accounts.push_back(
        Account{Text(item, "user"), Text(item, "password"), item.value("admin", false)});
  }
  datasource.singleSignOnUser = Text(root, "singleSignOn");
  for (const auto& item : root.value("tables", nlohmann::json::array())) {
    datasource.tables.push_back(SqlTableOf(item));
  }
  // Each kind's fixture key, and its fields with the host's property ids (text or number).
  struct Field {
    const char* key;
    int32_t property;
    bool text;
  };
  struct KindFields {
    AdminKind kind;
    const char* key;
    std::vector<Field> fields;
  };
  const KindFields kinds[] = {
      {AdminKind::Users, "users",
       {{"name", 2, true}, {"description", 3, true}, {"email", 5, true}, {"type", 6, true},
        {"provider", 7, true}, {"flags", 8, false}}},
      {AdminKind::Groups, "groups",
       {{"name", 2, true}, {"description", 3, true}, {"type", 4, true}, {"provider", 5, true}}},
      {AdminKind::UserLists, "userLists",
       {{"name", 2, true}, {"description", 3, true}, {"type", 4, false}, {"owner", 5, false}}},
      {AdminKind::Workflows, "workflows",
       {{"type", 2, true}, {"name", 3, true}, {"description", 4, true}}},
      {AdminKind::States, "states", {{"name", 2, true}, {"description", 3, true}}},
      {AdminKind::Storages, "storages", {{"name", 2, true}, {"description", 3, true}}},
      {AdminKind::Applications, "applications", {{"name", 2, true}}},
      {AdminKind::Interfaces, "interfaces", {{"name", 2, true}, {"description", 3, true}}},
      {AdminKind::Departments, "departments", {{"name", 2, true}, {"description", 3, true}}},
  };
  for (const KindFields& kind : kinds) {
    auto& objects = datasource.admin[kind.kind];
    for (const auto& item : root.value(kind.key, nlohmann::json::array())) {
      AdminObject object;
      object.id = item.at("id").get<int32_t>();
      object.numbers[1] = object.id;  // property 1 is the id in every kind
      object.workflow = item.value("workflow", 0);
      for (const Field& field : kind.fields) {
        auto it = item.find(field.key);
        if (it == item.end() || it->is_null()) continue;
        if (field.text) {
          object.texts[field.property] = platform::FromUtf8(it->get<std::string>());
        } else {
          object.numbers[field.property] = it->get<int32_t>();
        }
      }
      if (kind.kind == AdminKind::Users && item.contains("workingFolder")) {
        datasource.workingFolders[object.id] = ExpandTemp(Text(item, "workingFolder"));
      }
      objects.push_back(std::move(object));
    }
  }
  datasource.Index();
  return datasource;
}

Host& Host::Instance() {
  static Host host;
  static std::once_flag loaded;
  std::call_once(loaded, [] { host.Reset(); });
  return host;
}

void Host::Reset() {
  std::lock_guard lock(mutex_);
  ReplaceDatasource(ParseFixture(BuiltInSampleFixture()));
  lastError_.clear();
  callLog_.clear();
  failing_.clear();
  nullText_.clear();
  hidden_.clear();
  hooks_.clear();
  invalidFrees_ = 0;
  callLogging_ = true;
  hostErrorId_ = 0;
  hostErrorMessage_.clear();
}

void Host::ReplaceDatasource(Datasource datasource) {
  std::lock_guard lock(mutex_);
  // The database first: a fixture whose tables SQLite refuses leaves the old datasource.
  sqlDatabase_ = OpenSqlDatabase(datasource);
  datasource_ = std::move(datasource);
  hostTexts_.clear();
  documentBuffers_.clear();
  folderBuffers_.clear();
  projectSelection_.clear();
  environmentSelection_.clear();
  sqlSelection_.reset();
  sqlBuffers_.clear();
  connections_.clear();
  activeConnection_ = NewConnectionHandle();
  connections_[activeConnection_] = Connection{datasource_.name, u"", false};
  adminSelections_.clear();
  documentSelection_.clear();
  documentListView_ = 0;
  viewWalkProject_ = 0;
  monikers_.clear();
  // Moniker texts stay: they belong to their callers until qxApi_Free.
}

const char16_t* Host::HostText(const char* getter, std::optional<std::u16string> text) {
  if (!text || NullText(getter)) return nullptr;
  std::u16string& slot = hostTexts_[getter];
  slot = std::move(*text);
  return slot.c_str();
}

HostHandle Host::NewDocumentBuffer(std::vector<const Document*> rows) {
  HostHandle handle = nextHandle_;
  nextHandle_ += 0x10;
  documentBuffers_.emplace(handle, std::move(rows));
  return handle;
}

const std::vector<const Document*>* Host::DocumentBuffer(HostHandle handle) const {
  auto it = documentBuffers_.find(handle);
  return it == documentBuffers_.end() ? nullptr : &it->second;
}

HostHandle Host::NewSqlBuffer(std::shared_ptr<const SqlResult> result) {
  HostHandle handle = nextHandle_;
  nextHandle_ += 0x10;
  sqlBuffers_.emplace(handle, std::move(result));
  return handle;
}

const SqlResult* Host::SqlBuffer(HostHandle handle) const {
  auto it = sqlBuffers_.find(handle);
  return it == sqlBuffers_.end() ? nullptr : it->second.get();
}

HostHandle Host::NewFolderBuffer(std::vector<const Folder*> rows) {
  HostHandle handle = nextHandle_;
  nextHandle_ += 0x10;
  folderBuffers_.emplace(handle, std::move(rows));
  return handle;
}

const std::vector<const Folder*>* Host::FolderBuffer(HostHandle handle) const {
  auto it = folderBuffers_.find(handle);
  return it == folderBuffers_.end() ? nullptr : &it->second;
}

bool Host::FreeBuffer(HostHandle handle) {
  if (documentBuffers_.erase(handle) || sqlBuffers_.erase(handle) || folderBuffers_.erase(handle)) {
    return true;
  }
  ++invalidFrees_;
  return false;
}

HostHandle Host::NewMonikerText(const std::u16string& text) {
  auto copy = std::make_unique<char16_t[]>(text.size() + 1);
  std::copy(text.begin(), text.end(), copy.get());
  copy[text.size()] = u'\0';
  auto handle = reinterpret_cast<HostHandle>(copy.get());
  monikerTexts_.emplace(handle, std::move(copy));
  return handle;
}

bool Host::FreeMonikerText(HostHandle pointer) {
  if (monikerTexts_.erase(pointer)) return true;
  ++invalidFrees_;
  return false;
}

HostHandle Host::NewMoniker(Moniker moniker) {
  auto owned = std::make_unique<Moniker>(std::move(moniker));
  auto handle = reinterpret_cast<HostHandle>(owned.get());
  monikers_.emplace(handle, std::move(owned));
  return handle;
}

const Host::Moniker* Host::FindMoniker(HostHandle handle) const {
  auto it = monikers_.find(handle);
  return it == monikers_.end() ? nullptr : it->second.get();
}

}  // namespace Tarnwick::Emulator
