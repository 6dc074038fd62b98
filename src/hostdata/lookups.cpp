// Lookups: each walks the host's current selection of one kind of object by row index.
#include "tarnwick/lookups.h"

#include "platform/text.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_host_api.h"

namespace Tarnwick::OvWrapper {
namespace {

using Text = std::optional<std::u16string>;

// The shared name-to-id walk. count() is the host's select-all; where the host re-selects before
// every comparison, it is called in the loop condition, so row i is read from a fresh
// selection. A row without a name never matches.
template <typename Count, typename Name, typename Id>
int32_t FindId(std::u16string_view wanted, bool reselect, Count count, Name name, Id id) {
  const std::u16string lowerWanted = platform::ToLowerLocale(wanted);
  const int32_t once = reselect ? 0 : count();
  for (int32_t i = 0; i < (reselect ? count() : once); ++i) {
    const Text rowName = name(i);
    if (rowName && platform::ToLowerLocale(*rowName) == lowerWanted) return id(i);
  }
  return 0;
}

// The name of the one selected row, when the select found exactly one.
std::u16string SingleName(int32_t count, Text (*name)(int32_t)) {
  return count == 1 ? name(0).value_or(u"") : u"";
}

// One selection, rows 0 to count - 1; the first row of a key wins.
template <typename Map, typename Key, typename Value>
Map Listing(int32_t count, Key key, Value value) {
  Map map;
  for (int32_t i = 0; i < count; ++i) {
    auto k = key(i);
    if (!k) continue;
    if (map.find(*k) == map.end()) map.emplace(std::move(*k), value(i));
  }
  return map;
}

// Adds lower-cased name to id; two equal names are the caller's error.
void AddLowerCased(LowerCaseHashTable& table, const Text& name, int32_t id) {
  if (!name) return;
  std::u16string key = platform::ToLowerLocale(*name);
  if (!table.emplace(key, id).second) {
    throw DuplicateKeyError("An item with the same key has already been added. Key: " +
                            platform::ToUtf8(key));
  }
}

OrvaneUser UserOfRow(int32_t i) {
  return OrvaneUser(qxApi_GetUserNumericProperty(UserProperty::ID, i),
                    qxApi_GetUserStringProperty(UserProperty::Name, i),
                    qxApi_GetUserStringProperty(UserProperty::Desc, i),
                    qxApi_GetUserStringProperty(UserProperty::SecProvider, i),
                    qxApi_GetUserStringProperty(UserProperty::Email, i),
                    qxApi_GetUserStringProperty(UserProperty::Type, i),
                    qxApi_GetUserNumericProperty(UserProperty::Flags, i) == 1);
}

OrvaneUserList UserListOfRow(int32_t i) {
  return OrvaneUserList(qxApi_GetUserListNumericProperty(UserListProperty::ID, i),
                        qxApi_GetUserListStringProperty(UserListProperty::Name, i),
                        qxApi_GetUserListStringProperty(UserListProperty::Description, i),
                        qxApi_GetUserListNumericProperty(UserListProperty::Owner, i),
                        qxApi_GetUserListNumericProperty(UserListProperty::Type, i));
}

OrvaneGroup GroupOfRow(int32_t i) {
  return OrvaneGroup(qxApi_GetGroupNumericProperty(GroupProperty::ID, i),
                     qxApi_GetGroupStringProperty(GroupProperty::Name, i),
                     qxApi_GetGroupStringProperty(GroupProperty::Desc, i),
                     qxApi_GetGroupStringProperty(GroupProperty::SecProvider, i),
                     qxApi_GetGroupStringProperty(GroupProperty::Type, i));
}

Text UserName(int32_t i) {
  return qxApi_GetUserStringProperty(UserProperty::Name, i);
}
Text WorkflowName(int32_t i) {
  return qxApi_GetWorkflowStringProperty(WorkflowProperty::Name, i);
}
Text StateName(int32_t i) {
  return qxApi_GetStateStringProperty(StateProperty::Name, i);
}
Text StorageName(int32_t i) {
  return qxApi_GetStorageStringProperty(StorageProperty::Name, i);
}
Text EnvironmentName(int32_t i) {
  return qxApi_GetEnvStringProperty(EnvironmentProperty::Name, i);
}
std::optional<int32_t> Key(int32_t id) {
  return id;
}

}  // namespace

std::u16string GetUserName(int32_t iUserId) {
  return SingleName(qxApi_SelectUser(iUserId), &UserName);
}

std::u16string GetWorkflowName(int32_t iWorkflowId) {
  return SingleName(qxApi_SelectWorkflow(iWorkflowId), &WorkflowName);
}

std::u16string GetStateName(int32_t iStateId) {
  return SingleName(qxApi_SelectState(iStateId), &StateName);
}

int32_t GetEnvironmentId(std::u16string_view sEnvironmentName) {
  if (sEnvironmentName.empty()) return 0;
  return FindId(
      sEnvironmentName, true, [] { return qxApi_SelectAllEnvs(0); },
      [](int32_t i) { return qxApi_GetEnvStringProperty(int32_t(EnvironmentProperty::Name), i); },
      &qxApi_GetEnvId);
}

int32_t GetDepartmentId(std::u16string_view sDepartmentName) {
  if (sDepartmentName.empty()) return 0;
  return FindId(
      sDepartmentName, true, &qxApi_SelectAllDepartments,
      [](int32_t i) { return qxApi_GetDepartmentStringProperty(DepartmentProperty::Name, i); },
      &qxApi_GetDepartmentId);
}

int32_t GetInterfaceId(std::u16string_view sInterfaceName) {
  if (sInterfaceName.empty()) return 0;
  return FindId(
      sInterfaceName, true, &qxApi_SelectAllGuis,
      [](int32_t i) { return qxApi_GetGuiStringProperty(GuiProperty::Name, i); }, &qxApi_GetGuiId);
}

int32_t GetWorkflowId(std::u16string_view sWorkflowName) {
  if (sWorkflowName.empty()) return 0;
  return FindId(sWorkflowName, true, &qxApi_SelectAllWorkflows, &WorkflowName,
                &qxApi_GetWorkflowId);
}

int32_t GetStateId(std::u16string_view sStateName) {
  return FindId(sStateName, true, &qxApi_SelectAllStates, &StateName, &qxApi_GetStateId);
}

int32_t GetStorageAreaId(std::u16string_view sStorageAreaName) {
  return FindId(sStorageAreaName, false, &qxApi_SelectAllStorages, &StorageName,
                &qxApi_GetStorageId);
}

int32_t GetApplicationId(std::u16string_view sApplicationName) {
  return FindId(
      sApplicationName, false, &qxApi_SelectAllApplications,
      [](int32_t i) { return qxApi_GetApplicationStringProperty(ApplicationProperty::Name, i); },
      &qxApi_GetApplicationId);
}

int32_t GetApplicationNumberForApplicationName(std::u16string_view sAppName) {
  return GetApplicationId(sAppName);
}

InvariantSortedList<OrvaneApplication> GetApplicationsByName() {
  return Listing<InvariantSortedList<OrvaneApplication>>(
      qxApi_SelectAllApplications(),
      [](int32_t i) { return qxApi_GetApplicationStringProperty(ApplicationProperty::Name, i); },
      [](int32_t i) {
        return OrvaneApplication(qxApi_GetApplicationNumericProperty(ApplicationProperty::ID, i),
                                 qxApi_GetApplicationStringProperty(ApplicationProperty::Name, i));
      });
}

InvariantSortedList<OrvaneUser> GetUsersByName() {
  return Listing<InvariantSortedList<OrvaneUser>>(qxApi_SelectAllUsers(), &UserName, &UserOfRow);
}

InvariantSortedList<OrvaneUser> GetUsersByDomainAndUsername() {
  return Listing<InvariantSortedList<OrvaneUser>>(
      qxApi_SelectAllUsers(),
      [](int32_t i) -> Text {
        Text name = UserName(i);
        if (!name) return name;
        const Text provider = qxApi_GetUserStringProperty(UserProperty::SecProvider, i);
        if (!provider || provider->empty()) return name;
        return *provider + u"\\" + *name;
      },
      &UserOfRow);
}

IdSortedList<OrvaneUser> GetUsersById() {
  return Listing<IdSortedList<OrvaneUser>>(
      qxApi_SelectAllUsers(),
      [](int32_t i) { return Key(qxApi_GetUserNumericProperty(UserProperty::ID, i)); }, &UserOfRow);
}

InvariantSortedList<OrvaneUserList> GetUserListsByName() {
  return Listing<InvariantSortedList<OrvaneUserList>>(
      qxApi_SelectAllUserLists(),
      [](int32_t i) { return qxApi_GetUserListStringProperty(UserListProperty::Name, i); },
      &UserListOfRow);
}

IdSortedList<OrvaneUserList> GetUserListsById() {
  return Listing<IdSortedList<OrvaneUserList>>(
      qxApi_SelectAllUserLists(),
      [](int32_t i) { return Key(qxApi_GetUserListNumericProperty(UserListProperty::ID, i)); },
      &UserListOfRow);
}

InvariantSortedList<OrvaneGroup> GetGroupsByName() {
  return Listing<InvariantSortedList<OrvaneGroup>>(
      qxApi_SelectAllGroups(),
      [](int32_t i) { return qxApi_GetGroupStringProperty(GroupProperty::Name, i); }, &GroupOfRow);
}

IdSortedList<OrvaneGroup> GetGroupsById() {
  return Listing<IdSortedList<OrvaneGroup>>(
      qxApi_SelectAllGroups(),
      [](int32_t i) { return Key(qxApi_GetGroupNumericProperty(GroupProperty::ID, i)); },
      &GroupOfRow);
}

LocaleSortedList<int32_t> GetStoragesByName() {
  return Listing<LocaleSortedList<int32_t>>(
      qxApi_SelectAllStorages(),
      [](int32_t i) -> Text {
        Text name = StorageName(i);
        if (name) *name = platform::ToLowerLocale(*name);
        return name;
      },
      &qxApi_GetStorageId);
}

IdSortedList<std::u16string> GetStoragesById() {
  return Listing<IdSortedList<std::u16string>>(
      qxApi_SelectAllStorages(), [](int32_t i) { return Key(qxApi_GetStorageId(i)); },
      [](int32_t i) { return StorageName(i).value_or(u""); });
}

LocaleSortedList<int32_t> GetWorkflowsByName() {
  return Listing<LocaleSortedList<int32_t>>(qxApi_SelectAllWorkflows(), &WorkflowName,
                                            &qxApi_GetWorkflowId);
}

IdSortedList<std::u16string> GetWorkflowsById() {
  return Listing<IdSortedList<std::u16string>>(
      qxApi_SelectAllWorkflows(), [](int32_t i) { return Key(qxApi_GetWorkflowId(i)); },
      [](int32_t i) { return WorkflowName(i).value_or(u""); });
}

LocaleSortedList<int32_t> GetStatesByName() {
  return Listing<LocaleSortedList<int32_t>>(qxApi_SelectAllStates(), &StateName, &qxApi_GetStateId);
}

IdSortedList<std::u16string> GetStatesById() {
  return Listing<IdSortedList<std::u16string>>(
      qxApi_SelectAllStates(), [](int32_t i) { return Key(qxApi_GetStateId(i)); },
      [](int32_t i) { return StateName(i).value_or(u""); });
}

LocaleSortedList<int32_t> GetEnvironmentsByName() {
  return Listing<LocaleSortedList<int32_t>>(qxApi_SelectAllEnvs(1), &EnvironmentName,
                                            &qxApi_GetEnvId);
}

IdSortedList<std::u16string> GetEnvironmentsById() {
  return Listing<IdSortedList<std::u16string>>(
      qxApi_SelectAllEnvs(1), [](int32_t i) { return Key(qxApi_GetEnvId(i)); },
      [](int32_t i) { return EnvironmentName(i).value_or(u""); });
}

LowerCaseHashTable GetWorkflows() {
  LowerCaseHashTable table;
  for (int32_t i = 0; i < qxApi_SelectAllWorkflows(); ++i) {
    AddLowerCased(table, WorkflowName(i), qxApi_GetWorkflowId(i));
  }
  return table;
}

LowerCaseHashTable GetWorkflowStates(std::u16string_view sWorkflowName) {
  LowerCaseHashTable table;
  int32_t count = 0;
  if (sWorkflowName.empty()) {
    count = qxApi_SelectAllStates();
  } else {
    const int32_t workflowId = GetWorkflowId(sWorkflowName);
    if (workflowId <= 0) return table;
    count = qxApi_SelectStatesByWorkflow(workflowId);
  }
  for (int32_t i = 0; i < count; ++i) AddLowerCased(table, StateName(i), qxApi_GetStateId(i));
  return table;
}

}  // namespace Tarnwick::OvWrapper
