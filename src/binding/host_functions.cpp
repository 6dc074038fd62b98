// The bodies of every host function of host_functions.inc: each resolves its entry point on
// first use (after the binding's start-up) and calls it.
#include "binding/host_library.h"
#include "binding/raw_declarations.h"

namespace Tarnwick::OvWrapper {
namespace {

// Copies host-owned text at once, before any other host call can reuse the host's buffer.
std::optional<std::u16string> CopyHostText(HostHandle text) {
  if (!text) return std::nullopt;
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

}  // namespace

#define TW_HOST_FUNCTION(library, result, name, parameters, arguments)          \
  result name parameters {                                                      \
    static detail::EntryPoint entry(detail::HostLibrary::library, #name);       \
    return entry.As<result(TARNWICK_HOSTAPI*) parameters>() arguments;           \
  }
#define TW_HOST_STRING(library, prefix, name, parameters, arguments)            \
  HostHandle detail::prefix##name parameters {                                  \
    static detail::EntryPoint entry(detail::HostLibrary::library, #name);       \
    return entry.As<HostHandle(TARNWICK_HOSTAPI*) parameters>() arguments;       \
  }                                                                             \
  std::optional<std::u16string> name parameters {                               \
    return CopyHostText(detail::prefix##name arguments);                        \
  }
#include "tarnwick/host_functions.inc"
#undef TW_HOST_FUNCTION
#undef TW_HOST_STRING

}  // namespace Tarnwick::OvWrapper
