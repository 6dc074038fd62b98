// A process whose host libraries cannot be loaded: the start-up tries to fix the search path,
// fails, and every later use of the binding fails the same way; the exports still return 1.
// Its own executable, since the start-up runs once per process.
#include <gtest/gtest.h>

#include "commands/exports.h"
#include "emulator_control.h"
#include "fake_clipboard.h"
#include "platform/debug_output.h"
#include "tarnwick/addresses.h"
#include "tarnwick/error.h"

namespace Tarnwick {
namespace {

using testing::Emulator;

TEST(FailedStartUp, IsRememberedAndRethrownOnEveryLaterUse) {
  Emulator::HideLibrary("kelcore.dll");
  platform::DebugOutputCapture debug;
  testing::FakeClipboard clipboard;
  platform::ScopedClipboardOverride scope(clipboard);

  EXPECT_THROW(OvWrapper::GetProjectURL(3), HostBindingError);
  EXPECT_TRUE(debug.Contains(u"Fixing path..."));
  // Linux has no registry: nothing installed, and the minimum of a 64-bit process.
  EXPECT_TRUE(debug.Contains(u"Registry search could not find installation directory for a "
                             u"Orvane version matching minimum required version '8.11'."));

  // The library is back, but the start-up is not repeated.
  Emulator::HideLibrary("kelcore.dll", false);
  try {
    OvWrapper::GetDocumentURL(3, 1);
    FAIL() << "the binding must stay unusable";
  } catch (const HostBindingError& error) {
    EXPECT_NE(std::string(error.what()).find("kelcore.dll"), std::string::npos) << error.what();
  }
  EXPECT_TRUE(Emulator::CallsOf("qxApi_Initialize").empty());

  EXPECT_EQ(ProjectCommand(3), 1);
  EXPECT_TRUE(debug.Contains(u"ProjectCommand failed: Unable to load DLL 'kelcore.dll'"));
  EXPECT_EQ(clipboard.openAttempts, 0);
}

TEST(MissingEntryPoint, FailsThatCallOnlyAndBindsOnceShown) {
  // The binding is unusable in this process; the entry-point rule is exercised through the
  // loader directly.
  Emulator::HideEntryPoint("qxApi_SelectProject");
  platform::HostModule kelcore = platform::LoadHostLibrary(u"kelcore.dll");
  EXPECT_EQ(platform::FindEntryPoint(kelcore, "qxApi_SelectProject"), nullptr);
  EXPECT_NE(platform::FindEntryPoint(kelcore, "qxApi_GetProjectStringProperty"), nullptr);
  Emulator::HideEntryPoint("qxApi_SelectProject", false);
  EXPECT_NE(platform::FindEntryPoint(kelcore, "qxApi_SelectProject"), nullptr);
}

}  // namespace
}  // namespace Tarnwick
