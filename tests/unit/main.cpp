// Test main: runs the binding's start-up once, before any test, and keeps the host calls it
// made for the start-up test (every later test resets the emulator's log).
#include <gtest/gtest.h>

#include "emulator_control.h"
#include "tarnwick/addresses.h"

namespace Tarnwick::testing {
std::vector<std::string> g_startUpCalls;
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  Tarnwick::OvWrapper::GetProjectGuidStringFromId(3);
  Tarnwick::testing::g_startUpCalls = Tarnwick::testing::Emulator::CallLog();
  return RUN_ALL_TESTS();
}
