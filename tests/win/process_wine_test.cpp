// Behaviours that need a fresh process each, under Wine with the real registry, environment,
// folders and settings files of the prefix. The library is linked in, so its own file is this
// program; process_test.sh sets the scene and runs one mode per process:
//
//   process_wine_test registry-fix BIN   kelcore.dll only in BIN, an installation registered:
//                                        the start-up fixes Path and a menu command works
//   process_wine_test no-installation    kelcore.dll nowhere, nothing registered: the
//                                        start-up fails once and for good
//   process_wine_test threads            16 threads make their first call at once
//   process_wine_test logs               log lines through the real folders and settings
//
// Each check prints "ok: ..." or "FAIL: ..."; the exit code is the number of failures.
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "commands/exports.h"
#include "emulator_control.h"
#include "fake_clipboard.h"
#include "platform/debug_output.h"
#include "platform/text.h"
#include "platform/windows.h"
#include "tarnwick/addresses.h"
#include "tarnwick/dorn_utilities.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_installation.h"

namespace {

using namespace Tarnwick;
using platform::FromUtf8;
using platform::ToUtf8;

int g_failures = 0;

void Check(bool passed, const std::string& what) {
  std::printf("%s: %s\n", passed ? "ok" : "FAIL", what.c_str());
  std::fflush(stdout);
  if (!passed) ++g_failures;
}

std::u16string PathVariable() {
  wchar_t value[32767];
  DWORD length = GetEnvironmentVariableW(L"Path", value, 32767);
  return std::u16string(platform::AsUtf16(value), length);
}

int RegistryFix(const std::u16string& bin) {
  platform::DebugOutputCapture debug;
  testing::FakeClipboard clipboard;
  platform::ScopedClipboardOverride scope(clipboard);
  const std::u16string before = PathVariable();

  Check(ProjectCommand(3) == 1, "ProjectCommand returns 1");
  Check(debug.Contains(u"Fixing path..."), "\"Fixing path...\" on the debug output");
  Check(PathVariable() == bin + u";" + before,
        "Path gained " + ToUtf8(bin) + " at its front: " + ToUtf8(PathVariable().substr(0, 120)));
  std::optional<std::string> html = clipboard.Html();
  Check(html && html->find("P{16fd2706-8baf-433b-82eb-8c7fada847da}/\">Bridge 12</a>") !=
                    std::string::npos,
        "the folder link reached the clipboard");
  // kelcore.dll is found on the new Path; it is the module the binding loaded. The first
  // qxApi_Initialize(512) could not load it ("Fixing path..." above), the second reached it.
  std::vector<std::string> calls = testing::Emulator::CallLog();
  Check(!calls.empty() && calls[0] == "qxApi_Initialize(512)" &&
            testing::Emulator::CallsOf("qxApi_Initialize").size() == 1,
        "the second qxApi_Initialize(512) was the host's first call, and its only initialisation");
  Check(OvWrapper::GetOrvanePath() == bin.substr(0, bin.size() - 4),
        "GetOrvanePath names the highest registered version's folder");
  return g_failures;
}

int NoInstallation() {
  platform::DebugOutputCapture debug;
  testing::FakeClipboard clipboard;
  platform::ScopedClipboardOverride scope(clipboard);
  const std::u16string before = PathVariable();

  Check(ProjectCommand(3) == 1, "ProjectCommand still returns 1");
  Check(debug.Contains(u"Fixing path..."), "\"Fixing path...\" on the debug output");
  Check(debug.Contains(u"Registry search could not find installation directory for a Orvane "
                       u"version matching minimum required version '8.11'.\nMake sure a Orvane "
                       u"version matching the above version is installed on this system."),
        "the registry message with the minimum 8.11");
  Check(PathVariable() == before, "Path unchanged");
  Check(clipboard.openAttempts == 0, "the clipboard was not touched");
  for (int attempt = 1; attempt <= 2; ++attempt) {
    try {
      OvWrapper::GetProjectURL(3);
      Check(false, "a later use fails (attempt " + std::to_string(attempt) + ")");
    } catch (const HostBindingError& error) {
      Check(std::string(error.what()).find("kelcore.dll") != std::string::npos,
            "a later use fails with the start-up's error: " + std::string(error.what()));
    }
  }
  try {
    OvWrapper::GetOrvanePath();
    Check(false, "GetOrvanePath fails after the failed start-up");
  } catch (const HostBindingError&) {
    Check(true, "GetOrvanePath fails after the failed start-up");
  }
  return g_failures;
}

int Threads() {
  constexpr int kThreads = 16;
  std::atomic<int> waiting{kThreads};
  std::vector<std::u16string> results(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] {
      waiting.fetch_sub(1);
      while (waiting.load() > 0) std::this_thread::yield();
      results[size_t(i)] = OvWrapper::GetProjectGuidStringFromId(3);
    });
  }
  for (std::thread& thread : threads) thread.join();
  bool same = true;
  for (const std::u16string& result : results) {
    same = same && result == u"16fd2706-8baf-433b-82eb-8c7fada847da";
  }
  Check(same, "all 16 threads got the folder's GUID");
  std::vector<std::string> calls = testing::Emulator::CallLog();
  Check(calls.size() >= 2 && calls[0] == "qxApi_Initialize(512)" &&
            calls[1] == "qxApi_Initialize(512)" &&
            testing::Emulator::CallsOf("qxApi_Initialize").size() == 2,
        "one start-up: qxApi_Initialize(512) twice in all, before any other call");
  return g_failures;
}

int Logs() {
  // A process without a console logs under the roaming application data (or "LogFolder").
  FreeConsole();
  DornUtilities::WriteLog(u"plain line \u00e4\u20ac");
  DornUtilities::LogInfo(u"info {0:D4}", {42});
  DornUtilities::WriteLogError(u"error {0}", {u"text"});
  std::u16string setting = DornUtilities::GetSetting(u"LogFolder");
  Check(true, "logged; LogFolder setting is '" + ToUtf8(setting) + "'");
  return g_failures;
}

}  // namespace

int main(int argc, char** argv) {
  std::string mode = argc > 1 ? argv[1] : "";
  try {
    if (mode == "registry-fix" && argc == 3) return RegistryFix(FromUtf8(argv[2]));
    if (mode == "no-installation") return NoInstallation();
    if (mode == "threads") return Threads();
    if (mode == "logs") return Logs();
  } catch (const std::exception& error) {
    Check(false, std::string("unexpected error: ") + error.what());
    return 1;
  }
  std::fprintf(stderr,
               "usage: process_wine_test registry-fix BIN | no-installation | threads | logs\n");
  return 2;
}
