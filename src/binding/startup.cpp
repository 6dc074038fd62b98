#include "binding/startup.h"

#include <atomic>
#include <exception>
#include <mutex>

#include "binding/host_library.h"
#include "binding/shared_state.h"
#include "platform/debug_output.h"
#include "tarnwick/error.h"
#include "tarnwick/host_types.h"

namespace Tarnwick::OvWrapper::detail {
namespace {

std::atomic<bool> g_started{false};
std::mutex g_startUpMutex;
std::exception_ptr g_startUpFailure;

struct SharedState {
  std::unordered_map<std::u16string, HostHandle> sessionHandles;
  std::mutex _lockObject;
};
SharedState* g_state = nullptr;  // set by the start-up, under g_startUpMutex

void RunStartUp() {
  // The shared state exists before the first host call, also when the start-up fails.
  static SharedState state;
  g_state = &state;

  static EntryPoint initialize(HostLibrary::kelcore, "qxApi_Initialize");
  using Initialize = HostBool(TARNWICK_HOSTAPI*)(int32_t);

  // The client API is initialised twice with 512, the second time also after the first call
  // failed. When the first call cannot load the host library, the client's installation folder
  // goes on the search path before the second.
  std::exception_ptr firstFailure;
  try {
    initialize.AsDuringStartUp<Initialize>()(512);
  } catch (const HostBindingError& error) {
    if (error.IsLibraryUnavailable()) {
      platform::WriteDebugOutput(u"Fixing path...");
      AppendOrvaneDllPathToEnvironmentPath();
    } else {
      firstFailure = std::current_exception();
    }
  } catch (...) {
    firstFailure = std::current_exception();
  }
  initialize.AsDuringStartUp<Initialize>()(512);  // its own failure passes out instead
  if (firstFailure) std::rethrow_exception(firstFailure);
}

}  // namespace

void EnsureStarted() {
  if (g_started.load(std::memory_order_acquire)) return;
  std::lock_guard lock(g_startUpMutex);
  if (g_startUpFailure) std::rethrow_exception(g_startUpFailure);
  if (g_started.load(std::memory_order_relaxed)) return;
  try {
    RunStartUp();
  } catch (...) {
    g_startUpFailure = std::current_exception();
    throw;
  }
  g_started.store(true, std::memory_order_release);
}

std::unordered_map<std::u16string, HostHandle>& sessionHandles() {
  EnsureStarted();
  return g_state->sessionHandles;
}

std::mutex& _lockObject() {
  EnsureStarted();
  return g_state->_lockObject;
}

}  // namespace Tarnwick::OvWrapper::detail
