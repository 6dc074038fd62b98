#include "binding/host_library.h"

#include <array>
#include <mutex>

#include "platform/text.h"
#include "tarnwick/error.h"

namespace Tarnwick::OvWrapper::detail {
namespace {

constexpr std::array<const char16_t*, 6> kFileNames = {
    u"kelcore.dll", u"kelview.dll",           u"kelbase.dll",
    u"kelctl.dll",  u"OvManagedWorkspace.dll", u"KERNEL32.dll",
};

std::mutex g_libraryMutex;
std::array<platform::HostModule, kFileNames.size()> g_modules{};

}  // namespace

const char16_t* LibraryFileName(HostLibrary library) { return kFileNames[size_t(library)]; }

platform::HostModule BindLibrary(HostLibrary library) {
  std::lock_guard lock(g_libraryMutex);
  platform::HostModule& module = g_modules[size_t(library)];
  if (!module) module = platform::LoadHostLibrary(LibraryFileName(library));
  return module;
}

void* EntryPoint::Resolve() {
  if (void* address = address_.load(std::memory_order_acquire)) return address;
  void* address = platform::FindEntryPoint(BindLibrary(library_), name_);
  if (!address) {
    throw HostBindingError(HostBindingError::Reason::EntryPointMissing,
                           std::string("Unable to find an entry point named '") + name_ +
                               "' in DLL '" + platform::ToUtf8(LibraryFileName(library_)) + "'.");
  }
  // Two threads may both get here; they store the same address.
  address_.store(address, std::memory_order_release);
  return address;
}

}  // namespace Tarnwick::OvWrapper::detail
