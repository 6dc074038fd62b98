// The emulator's administrative objects (kelcore.dll): users, groups, user lists, workflows,
// states, storage areas, applications, interfaces and departments. Each kind has one
// process-wide current selection, replaced by every select of that kind and read by row index.
#include "emulator/datasource.h"
#include "emulator/host_api.h"
#include "emulator/host_call.h"

using namespace Tarnwick::Emulator;

namespace {

constexpr int32_t kId = 1;

// Selects the objects of a kind that pass keep; -1 when the select is made to fail.
template <typename Keep>
int32_t Select(Host& host, const char* function, AdminKind kind, Keep keep) {
  auto& selection = host.adminSelection(kind);
  selection.clear();
  if (host.Failing(function)) return -1;
  for (const AdminObject& object : host.datasource().admin[kind]) {
    if (keep(object)) selection.push_back(&object);
  }
  return int32_t(selection.size());
}

int32_t SelectAll(Host& host, const char* function, AdminKind kind) {
  return Select(host, function, kind, [](const AdminObject&) { return true; });
}

const AdminObject* Row(Host& host, AdminKind kind, int32_t index) {
  const auto& selection = host.adminSelection(kind);
  return index >= 0 && index < int32_t(selection.size()) ? selection[size_t(index)] : nullptr;
}

const char16_t* Text(Host& host, const char* function, AdminKind kind, int32_t property,
                     int32_t index) {
  const AdminObject* object = Row(host, kind, index);
  if (!object || host.Failing(function)) return nullptr;
  auto it = object->texts.find(property);
  return it == object->texts.end() ? nullptr : host.HostText(function, it->second);
}

int32_t Number(Host& host, const char* function, AdminKind kind, int32_t property, int32_t index) {
  const AdminObject* object = Row(host, kind, index);
  if (!object || host.Failing(function)) return 0;
  auto it = object->numbers.find(property);
  return it == object->numbers.end() ? 0 : it->second;
}

}  // namespace

#define EMU_SELECT_ALL(function, kind)          \
  EMU_HOSTAPI(int32_t) function() {             \
    HOST_CALL(function);                        \
    return SelectAll(host, hostFunction, kind); \
  }
#define EMU_SELECT_BY_ID(function, kind, field)                                                    \
  EMU_HOSTAPI(int32_t) function(int32_t id) {                                                      \
    HOST_CALL(function, id);                                                                       \
    return Select(host, hostFunction, kind, [id](const AdminObject& o) { return o.field == id; }); \
  }
#define EMU_TEXT(function, kind)                                           \
  EMU_HOSTAPI(const char16_t*) function(int32_t property, int32_t index) { \
    HOST_CALL(function, property, index);                                  \
    return Text(host, hostFunction, kind, property, index);                \
  }
#define EMU_NUMBER(function, kind)                                 \
  EMU_HOSTAPI(int32_t) function(int32_t property, int32_t index) { \
    HOST_CALL(function, property, index);                          \
    return Number(host, hostFunction, kind, property, index);      \
  }
#define EMU_ID(function, kind)                           \
  EMU_HOSTAPI(int32_t) function(int32_t index) {         \
    HOST_CALL(function, index);                          \
    return Number(host, hostFunction, kind, kId, index); \
  }

EMU_SELECT_ALL(qxApi_SelectAllUsers, AdminKind::Users)
EMU_SELECT_BY_ID(qxApi_SelectUser, AdminKind::Users, id)
EMU_TEXT(qxApi_GetUserStringProperty, AdminKind::Users)
EMU_NUMBER(qxApi_GetUserNumericProperty, AdminKind::Users)

EMU_SELECT_ALL(qxApi_SelectAllGroups, AdminKind::Groups)
EMU_TEXT(qxApi_GetGroupStringProperty, AdminKind::Groups)
EMU_NUMBER(qxApi_GetGroupNumericProperty, AdminKind::Groups)

EMU_SELECT_ALL(qxApi_SelectAllUserLists, AdminKind::UserLists)
EMU_TEXT(qxApi_GetUserListStringProperty, AdminKind::UserLists)
EMU_NUMBER(qxApi_GetUserListNumericProperty, AdminKind::UserLists)

EMU_SELECT_ALL(qxApi_SelectAllWorkflows, AdminKind::Workflows)
EMU_SELECT_BY_ID(qxApi_SelectWorkflow, AdminKind::Workflows, id)
EMU_TEXT(qxApi_GetWorkflowStringProperty, AdminKind::Workflows)
EMU_ID(qxApi_GetWorkflowId, AdminKind::Workflows)

EMU_SELECT_ALL(qxApi_SelectAllStates, AdminKind::States)
EMU_SELECT_BY_ID(qxApi_SelectState, AdminKind::States, id)
EMU_SELECT_BY_ID(qxApi_SelectStatesByWorkflow, AdminKind::States, workflow)
EMU_TEXT(qxApi_GetStateStringProperty, AdminKind::States)
EMU_ID(qxApi_GetStateId, AdminKind::States)

EMU_SELECT_ALL(qxApi_SelectAllStorages, AdminKind::Storages)
EMU_TEXT(qxApi_GetStorageStringProperty, AdminKind::Storages)
EMU_ID(qxApi_GetStorageId, AdminKind::Storages)

EMU_SELECT_ALL(qxApi_SelectAllApplications, AdminKind::Applications)
EMU_TEXT(qxApi_GetApplicationStringProperty, AdminKind::Applications)
EMU_NUMBER(qxApi_GetApplicationNumericProperty, AdminKind::Applications)
EMU_ID(qxApi_GetApplicationId, AdminKind::Applications)

EMU_SELECT_ALL(qxApi_SelectAllGuis, AdminKind::Interfaces)
EMU_TEXT(qxApi_GetGuiStringProperty, AdminKind::Interfaces)
EMU_ID(qxApi_GetGuiId, AdminKind::Interfaces)

EMU_SELECT_ALL(qxApi_SelectAllDepartments, AdminKind::Departments)
EMU_TEXT(qxApi_GetDepartmentStringProperty, AdminKind::Departments)
EMU_ID(qxApi_GetDepartmentId, AdminKind::Departments)
