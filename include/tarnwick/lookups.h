// Lookups of the connected datasource's users, groups, user lists, workflows, states,
// environments, storage areas, applications, interfaces and departments.
//
//   int32_t id = OvWrapper::GetWorkflowId(u"Release");           // 0 when there is none
//   auto users = OvWrapper::GetUsersByName();                     // name -> OrvaneUser
//   std::u16string name = OvWrapper::GetUserName(users.begin()->second.ID);
//
// Every call reads the host afresh and replaces the host's current selection of the kind it
// reads. Names are matched without regard to case (current locale) and the first matching row
// wins. A listing keeps the first of rows whose keys its comparison calls equal, except
// GetWorkflows and GetWorkflowStates, which throw Tarnwick::DuplicateKeyError for two names
// equal after lower-casing. A row whose name the host gives as absent is skipped. Host failures
// give 0, the empty string or an empty collection. Not thread-safe: the host's selections are
// process-wide.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tarnwick/sorted_lists.h"

namespace Tarnwick::OvWrapper {

struct OrvaneApplication {
  OrvaneApplication() = default;
  OrvaneApplication(int32_t iID, std::optional<std::u16string> sName)
      : ID(iID), Name(std::move(sName)) {}
  OrvaneApplication(int32_t iID, std::optional<std::u16string> sName, int32_t iViewerId)
      : ID(iID), Name(std::move(sName)), ViewerId(iViewerId) {}

  int32_t ID = 0;
  std::optional<std::u16string> Name;
  int32_t ViewerId = 0;
};

struct OrvaneUser {
  OrvaneUser() = default;
  OrvaneUser(int32_t iID, std::optional<std::u16string> sName) : ID(iID), Name(std::move(sName)) {}
  OrvaneUser(int32_t iID, std::optional<std::u16string> sName,
             std::optional<std::u16string> sDescription, std::optional<std::u16string> sSecProvider,
             std::optional<std::u16string> sEmail, std::optional<std::u16string> sUserType,
             bool bDisabled)
      : ID(iID),
        Name(std::move(sName)),
        Description(std::move(sDescription)),
        SecurityProvider(std::move(sSecProvider)),
        EMail(std::move(sEmail)),
        UserType(std::move(sUserType)),
        Disabled(bDisabled) {}

  int32_t ID = 0;
  std::optional<std::u16string> Name, Description, SecurityProvider, EMail, UserType;
  bool Disabled = false;
};

struct OrvaneUserList {
  OrvaneUserList() = default;
  OrvaneUserList(int32_t iID, std::optional<std::u16string> sName)
      : ID(iID), Name(std::move(sName)) {}
  OrvaneUserList(int32_t iID, std::optional<std::u16string> sName,
                 std::optional<std::u16string> sDescription, int32_t iOwner, int32_t iType)
      : ID(iID),
        Name(std::move(sName)),
        Descripion(std::move(sDescription)),
        ListType(iType),
        Owner(iOwner) {}

  int32_t ID = 0;
  std::optional<std::u16string> Name;
  std::optional<std::u16string> Descripion;  // the field's name as embedders know it
  int32_t ListType = 0;
  int32_t Owner = 0;
};

struct OrvaneGroup {
  OrvaneGroup() = default;
  OrvaneGroup(int32_t iID, std::optional<std::u16string> sName) : ID(iID), Name(std::move(sName)) {}
  OrvaneGroup(int32_t iID, std::optional<std::u16string> sName,
              std::optional<std::u16string> sDescription,
              std::optional<std::u16string> sSecurityProvider, std::optional<std::u16string> sType)
      : ID(iID),
        Name(std::move(sName)),
        Descripion(std::move(sDescription)),
        GroupType(std::move(sType)),
        SecurityProvider(std::move(sSecurityProvider)) {}

  int32_t ID = 0;
  std::optional<std::u16string> Name;
  std::optional<std::u16string> Descripion;
  std::optional<std::u16string> GroupType;
  std::optional<std::u16string> SecurityProvider;
};

// Id to name: the name of the one object with that id, else empty.
std::u16string GetUserName(int32_t iUserId);
std::u16string GetWorkflowName(int32_t iWorkflowId);
std::u16string GetStateName(int32_t iStateId);

// Name to id, 0 when no object has the name. GetEnvironmentId leaves out the host's system
// environments.
int32_t GetEnvironmentId(std::u16string_view sEnvironmentName);
int32_t GetDepartmentId(std::u16string_view sDepartmentName);
int32_t GetStorageAreaId(std::u16string_view sStorageAreaName);
int32_t GetInterfaceId(std::u16string_view sInterfaceName);
int32_t GetWorkflowId(std::u16string_view sWorkflowName);
int32_t GetStateId(std::u16string_view sStateName);
int32_t GetApplicationId(std::u16string_view sApplicationName);
int32_t GetApplicationNumberForApplicationName(std::u16string_view sAppName);

// Records by name (case-insensitive, locale-independent) and by id.
InvariantSortedList<OrvaneApplication> GetApplicationsByName();
InvariantSortedList<OrvaneUser> GetUsersByName();
// Keyed "{provider}\{name}", or the bare name for a user without a security provider.
InvariantSortedList<OrvaneUser> GetUsersByDomainAndUsername();
IdSortedList<OrvaneUser> GetUsersById();
InvariantSortedList<OrvaneUserList> GetUserListsByName();
IdSortedList<OrvaneUserList> GetUserListsById();
InvariantSortedList<OrvaneGroup> GetGroupsByName();
IdSortedList<OrvaneGroup> GetGroupsById();

// Names and ids (case-insensitive under the current locale). GetStoragesByName keeps its keys
// lower-cased; the others keep the names as the host gives them. The environment listings
// include the host's system environments.
LocaleSortedList<int32_t> GetStoragesByName();
IdSortedList<std::u16string> GetStoragesById();
LocaleSortedList<int32_t> GetWorkflowsByName();
IdSortedList<std::u16string> GetWorkflowsById();
LocaleSortedList<int32_t> GetStatesByName();
IdSortedList<std::u16string> GetStatesById();
LocaleSortedList<int32_t> GetEnvironmentsByName();
IdSortedList<std::u16string> GetEnvironmentsById();

// Lower-cased names to ids. GetWorkflowStates of an empty name lists every state; of a name no
// workflow has, nothing.
LowerCaseHashTable GetWorkflows();
LowerCaseHashTable GetWorkflowStates(std::u16string_view sWorkflowName);

}  // namespace Tarnwick::OvWrapper
