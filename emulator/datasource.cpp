#include "emulator/datasource.h"

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
    datasource.documents.push_back(Document{item.at("project").get<int32_t>(),
                                            item.at("id").get<int32_t>(), GuidOf(item),
                                            Text(item, "name"), Text(item, "file")});
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
  projectSelection_.clear();
  environmentSelection_.clear();
  sqlSelection_.reset();
  sqlBuffers_.clear();
  connections_.clear();
  activeConnection_ = NewConnectionHandle();
  connections_[activeConnection_] = Connection{datasource_.name, u"", false};
  datasource.Index();
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

bool Host::FreeBuffer(HostHandle handle) {
  if (documentBuffers_.erase(handle) || sqlBuffers_.erase(handle)) return true;
  ++invalidFrees_;
  return false;
}

}  // namespace Tarnwick::Emulator
