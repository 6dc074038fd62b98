// The bodies of every host function of host_functions.inc: each resolves its entry point on
// first use (after the binding's start-up) and calls it.
#include <cstring>
#include <string>

#include "binding/host_library.h"
#include "binding/raw_declarations.h"
#include "tarnwick/error.h"

namespace Tarnwick::OvWrapper {
namespace {

// Copies host-owned text at once, before any other host call can reuse the host's buffer.
std::optional<std::u16string> CopyHostText(HostHandle text) {
  if (!text) return std::nullopt;
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

// Copies the 16 bytes of a host-owned GUID; a null pointer has no GUID to give.
Guid CopyHostGuid(const char* function, HostHandle guid) {
  if (!guid) {
    throw HostResultError(std::string("The host function '") + function + "' returned no GUID.");
  }
  Guid copy;
  std::memcpy(&copy, reinterpret_cast<const void*>(guid), sizeof copy);
  return copy;
}

}  // namespace

// The call through the entry point named entry, typed as the declaration.
#define TW_BIND(library, entry, result, parameters, arguments)             \
  static detail::EntryPoint binding(detail::HostLibrary::library, #entry); \
  return binding.As<result(TARNWICK_HOSTAPI*) parameters>() arguments

#define TW_HOST_FUNCTION(library, result, name, parameters, arguments) \
  result name parameters {                                             \
    TW_BIND(library, name, result, parameters, arguments);             \
  }
#define TW_HOST_ALIAS(library, result, name, entry, parameters, arguments) \
  result name parameters {                                                 \
    TW_BIND(library, entry, result, parameters, arguments);                \
  }
#define TW_HOST_PRIVATE(library, result, name, entry, parameters, arguments) \
  result detail::name parameters {                                           \
    TW_BIND(library, entry, result, parameters, arguments);                  \
  }
#define TW_HOST_TEXT(library, name, parameters, arguments)                                     \
  std::optional<std::u16string> name parameters {                                              \
    return CopyHostText(                                                                       \
        [&]() -> HostHandle { TW_BIND(library, name, HostHandle, parameters, arguments); }()); \
  }
#define TW_HOST_STRING(library, prefix, name, parameters, arguments) \
  HostHandle detail::prefix##name parameters {                       \
    TW_BIND(library, name, HostHandle, parameters, arguments);       \
  }                                                                  \
  std::optional<std::u16string> name parameters {                    \
    return CopyHostText(detail::prefix##name arguments);             \
  }
#define TW_HOST_STRING_RAW(library, prefix, name, parameters, arguments, rawParameters, \
                           rawArguments)                                                \
  HostHandle detail::prefix##name rawParameters {                                       \
    TW_BIND(library, name, HostHandle, rawParameters, arguments);                       \
  }                                                                                     \
  std::optional<std::u16string> name parameters {                                       \
    return CopyHostText(detail::prefix##name rawArguments);                             \
  }
#define TW_HOST_GUID(library, prefix, name, parameters, arguments) \
  HostHandle detail::prefix##name parameters {                     \
    TW_BIND(library, name, HostHandle, parameters, arguments);     \
  }                                                                \
  Guid name parameters {                                           \
    return CopyHostGuid(#name, detail::prefix##name arguments);    \
  }
#define TW_HOST_NUMBER(library, prefix, result, name, parameters, arguments) \
  result detail::prefix##name parameters {                                   \
    TW_BIND(library, name, result, parameters, arguments);                   \
  }                                                                          \
  result name parameters {                                                   \
    return detail::prefix##name arguments;                                   \
  }
#include "tarnwick/host_functions.inc"
#undef TW_BIND

}  // namespace Tarnwick::OvWrapper
