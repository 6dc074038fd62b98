// The binding: start-up, and host text copied at once with absent text kept apart from empty.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "emulator_control.h"
#include "tarnwick/ov_host_api.h"

namespace Tarnwick::testing {
extern std::vector<std::string> g_startUpCalls;
}

namespace Tarnwick {
namespace {

using ::testing::ElementsAre;
using testing::Emulator;

TEST(Binding, StartUpInitialisesTheClientApiTwiceBeforeTheFirstHostCall) {
  EXPECT_THAT(testing::g_startUpCalls,
              ElementsAre("qxApi_Initialize(512)", "qxApi_Initialize(512)",
                          "qxApi_GetProjectGUIDsByIds(1, 3)"));
}

TEST(Binding, StringPropertyWrapperCopiesAndKeepsAbsentApartFromEmpty) {
  Emulator::Reset();
  ASSERT_TRUE(Emulator::LoadFixture(R"({"datasource": "ds", "folders": [
      {"id": 1, "guid": "16fd2706-8baf-433b-82eb-8c7fada847da", "name": ""},
      {"id": 2, "guid": "26fd2706-8baf-433b-82eb-8c7fada847da", "name": "Two"}]})"));

  ASSERT_EQ(OvWrapper::qxApi_SelectProject(2), 1);
  std::optional<std::u16string> two =
      OvWrapper::qxApi_GetProjectStringProperty(OvWrapper::ProjectProperty::Name, 0);
  ASSERT_EQ(OvWrapper::qxApi_SelectProject(1), 1);
  std::optional<std::u16string> empty =
      OvWrapper::qxApi_GetProjectStringProperty(OvWrapper::ProjectProperty::Name, 0);
  EXPECT_EQ(two, u"Two") << "the copy outlives the host's reuse of its buffer";
  EXPECT_EQ(empty, u"");

  EXPECT_EQ(OvWrapper::qxApi_GetProjectStringProperty(OvWrapper::ProjectProperty::Name, 1),
            std::nullopt);
  Emulator::ReturnNullText("qxApi_GetProjectStringProperty");
  EXPECT_EQ(OvWrapper::qxApi_GetProjectStringProperty(OvWrapper::ProjectProperty::Name, 0),
            std::nullopt);
}

}  // namespace
}  // namespace Tarnwick
