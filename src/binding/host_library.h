// Lazy, thread-safe binding of host entry points.
//
//   static EntryPoint entry(HostLibrary::kelcore, "qxApi_Initialize");
//   auto initialize = entry.As<HostBool(TARNWICK_HOSTAPI*)(int32_t)>();
//
// A library is loaded on the first call that needs it and kept only once loaded, so a call
// that fails because the library is missing does not stop a later call from succeeding after
// the search path has changed. An entry point, once found, stays bound for the process.
#pragma once

#include <atomic>

#include "platform/loader.h"

namespace Tarnwick::OvWrapper::detail {

// The libraries of host_functions.inc's library column. KERNEL32 is the system's, for the
// narrow process-environment functions.
enum class HostLibrary { kelcore, kelview, kelbase, kelctl, OvManagedWorkspace, KERNEL32 };

const char16_t* LibraryFileName(HostLibrary library);

// Loads the library on first use; throws HostBindingError when it cannot be loaded.
platform::HostModule BindLibrary(HostLibrary library);

// Runs the binding's one-time start-up if it has not run yet (binding/startup.cpp); every
// host call goes through it except the start-up's own.
void EnsureStarted();

class EntryPoint {
 public:
  constexpr EntryPoint(HostLibrary library, const char* name) : library_(library), name_(name) {}

  // The entry point, after the binding's start-up; throws HostBindingError. KERNEL32 is
  // Windows' own and needs no start-up, which itself reads and writes Path through it.
  template <typename Function>
  Function As() {
    if (library_ != HostLibrary::KERNEL32) EnsureStarted();
    return AsDuringStartUp<Function>();
  }

  // The same without the start-up, for the start-up's own calls.
  template <typename Function>
  Function AsDuringStartUp() {
    return reinterpret_cast<Function>(reinterpret_cast<uintptr_t>(Resolve()));
  }

 private:
  void* Resolve();

  HostLibrary library_;
  const char* name_;
  std::atomic<void*> address_{nullptr};
};

}  // namespace Tarnwick::OvWrapper::detail
