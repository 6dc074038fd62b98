// The Orvane client API as Tarnwick binds it: every host function, callable as an ordinary
// function of OvWrapper.
//
//   wchar_t-free: text is char16_t (UTF-16), handles are HostHandle.
//   char16_t name[1024];
//   if (OvWrapper::qxApi_GetActiveDatasourceName(name, 1024)) ...
//   std::optional<std::u16string> docName =
//       OvWrapper::qxApi_DmsDataBufferGetStringProperty(buffer, 20, 0);
//
// Each host library is loaded on the first call of one of its functions, and each entry point
// is resolved on its first call; a missing library or entry point makes that call throw
// Tarnwick::HostBindingError, and a later call may succeed once the search path has changed.
// The first call of any of them runs the binding's one-time start-up (binding start-up in
// README). The binding never turns a host result into an error: BOOL false, 0, -1 and null
// come back as the host gave them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tarnwick/guid.h"
#include "tarnwick/host_types.h"
#include "tarnwick/ov_enums.h"

namespace Tarnwick::OvWrapper {

#define TW_HOST_FUNCTION(library, result, name, parameters, arguments) result name parameters;
#define TW_HOST_STRING(library, prefix, name, parameters, arguments) \
  std::optional<std::u16string> name parameters;
#include "tarnwick/host_functions.inc"
#undef TW_HOST_FUNCTION
#undef TW_HOST_STRING

}  // namespace Tarnwick::OvWrapper
