// Lookups of users, groups, user lists, workflows, states, environments, storage areas,
// applications, interfaces and departments, against a fixture with the awkward rows.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "emulator_control.h"
#include "tarnwick/error.h"
#include "tarnwick/lookups.h"

namespace Tarnwick::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;
namespace Ov = OvWrapper;

// Rows equal apart from case, a name the host gives as absent, a user id held twice, the same
// user name under two providers, a system environment.
constexpr char kFixture[] = R"({
  "datasource": "archive:Main",
  "users": [
    {"id": 9, "name": "jo", "description": "Jo A", "provider": "NORTH", "email": "jo@n", "type": "User", "flags": 1},
    {"id": 4, "name": "Jo", "provider": "SOUTH", "flags": 3},
    {"id": 6, "name": "Ånna", "provider": "", "flags": 0},
    {"id": 5},
    {"id": 12, "name": "twin"},
    {"id": 12, "name": "twin again"}
  ],
  "groups": [
    {"id": 3, "name": "Readers", "description": "R", "type": "Local", "provider": "NORTH"},
    {"id": 2, "name": "READERS", "description": "second"}
  ],
  "userLists": [{"id": 8, "name": "Crew", "description": "D", "type": 2, "owner": 9}],
  "workflows": [
    {"id": 10, "name": "Release"},
    {"id": 11, "name": "Review"},
    {"id": 12, "name": "RELEASE"}
  ],
  "states": [
    {"id": 21, "workflow": 11, "name": "Open"},
    {"id": 20, "workflow": 10, "name": "DRAFT"},
    {"id": 23, "workflow": 10, "name": "Draft"},
    {"id": 24, "workflow": 10, "name": "Issued"}
  ],
  "environments": [
    {"id": 31, "name": "System", "system": true},
    {"id": 30, "name": "Drawings"}
  ],
  "storages": [{"id": 41, "name": "Main Store"}, {"id": 40, "name": "Archive"}],
  "applications": [{"id": 51, "name": "Word"}, {"id": 50, "name": "PDF Viewer"}, {"id": 52, "name": "WORD"}],
  "interfaces": [{"id": 60, "name": "Drawing form"}],
  "departments": [{"id": 71}, {"id": 70, "name": "Structures"}]
})";

class LookupsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Emulator::Reset();
    ASSERT_TRUE(Emulator::LoadFixture(kFixture));
  }
};

template <typename Map>
std::vector<typename Map::key_type> Keys(const Map& map) {
  std::vector<typename Map::key_type> keys;
  for (const auto& entry : map) keys.push_back(entry.first);
  return keys;
}

TEST_F(LookupsTest, NameToIdIgnoresCaseAndTheFirstRowWins) {
  const struct {
    const char* what;
    std::function<int32_t(std::u16string_view)> lookup;
    std::u16string name;
    int32_t id;
  } cases[] = {
      {"state, two rows equal but for case", Ov::GetStateId, u"draft", 20},
      {"state", Ov::GetStateId, u"iSSUED", 24},
      {"workflow", Ov::GetWorkflowId, u"release", 10},
      {"application", Ov::GetApplicationId, u"word", 51},
      {"application number", Ov::GetApplicationNumberForApplicationName, u"pdf viewer", 50},
      {"storage area", Ov::GetStorageAreaId, u"main store", 41},
      {"interface", Ov::GetInterfaceId, u"DRAWING FORM", 60},
      {"department after a row without a name", Ov::GetDepartmentId, u"structures", 70},
      {"environment", Ov::GetEnvironmentId, u"drawings", 30},
      {"system environment is not looked at", Ov::GetEnvironmentId, u"System", 0},
      {"unknown state", Ov::GetStateId, u"Closed", 0},
      {"unknown workflow", Ov::GetWorkflowId, u"Releas", 0},
      {"unknown storage", Ov::GetStorageAreaId, u"", 0},
      {"unknown application", Ov::GetApplicationId, u"Excel", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.lookup(c.name), c.id) << c.what;
  }
}

TEST_F(LookupsTest, EmptyNameGuardsAndHowOftenTheHostReselects) {
  Emulator::ClearCallLog();
  EXPECT_EQ(Ov::GetEnvironmentId(u""), 0);
  EXPECT_EQ(Ov::GetDepartmentId(u""), 0);
  EXPECT_EQ(Ov::GetInterfaceId(u""), 0);
  EXPECT_EQ(Ov::GetWorkflowId(u""), 0);
  EXPECT_TRUE(Emulator::CallLog().empty());

  // The re-selecting lookups select before every row compared (and once more at the end of a
  // failed walk); the others select once.
  EXPECT_EQ(Ov::GetStateId(u"Issued"), 24);
  EXPECT_EQ(Emulator::CallsOf("qxApi_SelectAllStates").size(), 4u);
  EXPECT_EQ(Ov::GetEnvironmentId(u"none"), 0);
  EXPECT_THAT(Emulator::CallsOf("qxApi_SelectAllEnvs"),
              ElementsAre("qxApi_SelectAllEnvs(0)", "qxApi_SelectAllEnvs(0)"));
  EXPECT_EQ(Ov::GetStorageAreaId(u"none"), 0);
  EXPECT_EQ(Emulator::CallsOf("qxApi_SelectAllStorages").size(), 1u);
}

TEST_F(LookupsTest, IdToName) {
  EXPECT_EQ(Ov::GetUserName(4), u"Jo");
  EXPECT_EQ(Ov::GetUserName(77), u"");  // no row
  EXPECT_EQ(Ov::GetUserName(12), u"");  // two rows
  EXPECT_EQ(Ov::GetWorkflowName(11), u"Review");
  EXPECT_EQ(Ov::GetStateName(23), u"Draft");
  EXPECT_EQ(Ov::GetStateName(99), u"");
}

TEST_F(LookupsTest, UserRecordsAndTheirKeys) {
  const auto byId = Ov::GetUsersById();
  EXPECT_THAT(Keys(byId), ElementsAre(4, 5, 6, 9, 12));
  const Ov::OrvaneUser& jo = byId.at(9);
  EXPECT_EQ(jo.Name, u"jo");
  EXPECT_EQ(jo.Description, u"Jo A");
  EXPECT_EQ(jo.SecurityProvider, u"NORTH");
  EXPECT_EQ(jo.EMail, u"jo@n");
  EXPECT_EQ(jo.UserType, u"User");
  EXPECT_TRUE(jo.Disabled);                   // Flags 1
  EXPECT_FALSE(byId.at(4).Disabled);          // Flags 3
  EXPECT_EQ(byId.at(4).EMail, std::nullopt);  // absent stays absent
  EXPECT_EQ(byId.at(12).Name, u"twin");       // the first row of a repeated id

  // By name: "jo" and "Jo" are one key, the first row's; the nameless row is left out.
  const auto byName = Ov::GetUsersByName();
  EXPECT_THAT(Keys(byName), ElementsAre(u"jo", u"twin", u"twin again", u"Ånna"));
  EXPECT_EQ(byName.find(u"JO")->second.ID, 9);

  const auto byDomain = Ov::GetUsersByDomainAndUsername();
  EXPECT_THAT(Keys(byDomain),
              ElementsAre(u"NORTH\\jo", u"SOUTH\\Jo", u"twin", u"twin again", u"Ånna"));
  EXPECT_EQ(byDomain.find(u"south\\JO")->second.ID, 4);
}

TEST_F(LookupsTest, GroupsUserListsAndApplications) {
  const auto groups = Ov::GetGroupsByName();
  ASSERT_EQ(groups.size(), 1u);
  const Ov::OrvaneGroup& readers = groups.at(u"readers");
  EXPECT_EQ(readers.ID, 3);
  EXPECT_EQ(readers.Descripion, u"R");
  EXPECT_EQ(readers.GroupType, u"Local");
  EXPECT_EQ(readers.SecurityProvider, u"NORTH");
  EXPECT_THAT(Keys(Ov::GetGroupsById()), ElementsAre(2, 3));

  const auto lists = Ov::GetUserListsById();
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(lists.at(8).Owner, 9);
  EXPECT_EQ(lists.at(8).ListType, 2);
  EXPECT_EQ(lists.at(8).Descripion, u"D");
  EXPECT_EQ(Ov::GetUserListsByName().count(u"CREW"), 1u);

  const auto applications = Ov::GetApplicationsByName();
  EXPECT_THAT(Keys(applications), ElementsAre(u"PDF Viewer", u"Word"));
  EXPECT_EQ(applications.at(u"word").ID, 51);
  EXPECT_EQ(applications.at(u"word").ViewerId, 0);
}

TEST_F(LookupsTest, NameAndIdListings) {
  // Storage keys are lower-cased; the others keep the host's spelling; all match any case.
  const auto storages = Ov::GetStoragesByName();
  EXPECT_THAT(storages, ElementsAre(Pair(u"archive", 40), Pair(u"main store", 41)));
  EXPECT_EQ(storages.at(u"MAIN STORE"), 41);
  EXPECT_THAT(Ov::GetStoragesById(), ElementsAre(Pair(40, u"Archive"), Pair(41, u"Main Store")));

  const auto workflows = Ov::GetWorkflowsByName();
  EXPECT_THAT(workflows, ElementsAre(Pair(u"Release", 10), Pair(u"Review", 11)));
  EXPECT_EQ(workflows.at(u"RELEASE"), 10);
  EXPECT_THAT(Ov::GetWorkflowsById(),
              ElementsAre(Pair(10, u"Release"), Pair(11, u"Review"), Pair(12, u"RELEASE")));

  EXPECT_THAT(Ov::GetStatesByName(),
              ElementsAre(Pair(u"DRAFT", 20), Pair(u"Issued", 24), Pair(u"Open", 21)));
  EXPECT_THAT(Ov::GetStatesById(), ElementsAre(Pair(20, u"DRAFT"), Pair(21, u"Open"),
                                               Pair(23, u"Draft"), Pair(24, u"Issued")));

  // The environment listings include the host's system environments.
  EXPECT_THAT(Ov::GetEnvironmentsByName(), ElementsAre(Pair(u"Drawings", 30), Pair(u"System", 31)));
  EXPECT_THAT(Ov::GetEnvironmentsById(), ElementsAre(Pair(30, u"Drawings"), Pair(31, u"System")));
}

TEST_F(LookupsTest, HashTablesOfLowerCasedNames) {
  EXPECT_THAT(Ov::GetWorkflowStates(u"REVIEW"), UnorderedElementsAre(Pair(u"open", 21)));
  EXPECT_TRUE(Ov::GetWorkflowStates(u"No such workflow").empty());
  // Two names equal after lower-casing are the caller's error, not a silent choice.
  EXPECT_THROW(Ov::GetWorkflowStates(u""), DuplicateKeyError);
  EXPECT_THROW(Ov::GetWorkflowStates(u"Release"), DuplicateKeyError);
  EXPECT_THROW(Ov::GetWorkflows(), DuplicateKeyError);

  Emulator::Reset();  // the sample: no repeated names
  EXPECT_THAT(Ov::GetWorkflows(), UnorderedElementsAre(Pair(u"release", 10), Pair(u"review", 11)));
  EXPECT_THAT(
      Ov::GetWorkflowStates(u""),
      UnorderedElementsAre(Pair(u"draft", 20), Pair(u"released", 21), Pair(u"in review", 22)));
}

TEST_F(LookupsTest, HostFailuresGiveEmptyResults) {
  for (const char* function : {"qxApi_SelectAllUsers", "qxApi_SelectAllStates", "qxApi_SelectUser",
                               "qxApi_SelectAllStorages", "qxApi_SelectAllEnvs"}) {
    Emulator::FailFunction(function);
  }
  EXPECT_TRUE(Ov::GetUsersById().empty());
  EXPECT_TRUE(Ov::GetStatesByName().empty());
  EXPECT_EQ(Ov::GetStateId(u"Draft"), 0);
  EXPECT_EQ(Ov::GetUserName(9), u"");
  EXPECT_TRUE(Ov::GetStoragesById().empty());
  EXPECT_TRUE(Ov::GetEnvironmentsByName().empty());
  EXPECT_TRUE(Ov::GetWorkflowStates(u"").empty());
}

}  // namespace
}  // namespace Tarnwick::testing
