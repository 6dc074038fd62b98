// The Orvane client API as Tarnwick binds it: every host function, callable as an ordinary
// function of OvWrapper, with the host's name, arguments and results.
//
//   char16_t name[1024];
//   if (OvWrapper::qxApi_GetActiveDatasourceName(name, 1024)) ...
//   std::optional<std::u16string> docName =
//       OvWrapper::qxApi_DmsDataBufferGetStringProperty(buffer, 20, 0);
//
// Text is char16_t (UTF-16); handles are HostHandle; records, callbacks and enumerations are
// those of ov_records.h and ov_enums.h. The declarations come from host_functions.inc.
//
// Each host library is loaded on the first call of one of its functions, and each entry point
// is resolved on its first call; a missing library or entry point, or a library built for
// another processor, makes that call throw Tarnwick::HostBindingError, and a later call may
// succeed once the search path has changed. The first call of any of them runs the binding's
// one-time start-up. The binding never turns a host result into an error: BOOL false, 0, -1
// and null come back as the host gave them. The exceptions:
//   - the string-property getters copy the host's text at once and give std::nullopt for a
//     null pointer, so the text stays valid whatever the host does next;
//   - the GUID getters copy the host's 16 bytes, and throw Tarnwick::HostResultError when the
//     host gives a null pointer instead.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "tarnwick/guid.h"
#include "tarnwick/host_types.h"
#include "tarnwick/ov_enums.h"
#include "tarnwick/ov_records.h"

namespace Tarnwick::OvWrapper {

#define TW_HOST_FUNCTION(library, result, name, parameters, arguments) result name parameters;
#define TW_HOST_ALIAS(library, result, name, entry, parameters, arguments) result name parameters;
#define TW_HOST_PRIVATE(library, result, name, entry, parameters, arguments)
#define TW_HOST_TEXT(library, name, parameters, arguments) \
  std::optional<std::u16string> name parameters;
#define TW_HOST_STRING(library, prefix, name, parameters, arguments) \
  std::optional<std::u16string> name parameters;
#define TW_HOST_STRING_RAW(library, prefix, name, parameters, arguments, rawParameters, \
                           rawArguments)                                                \
  std::optional<std::u16string> name parameters;
#define TW_HOST_GUID(library, prefix, name, parameters, arguments) Guid name parameters;
#define TW_HOST_NUMBER(library, prefix, result, name, parameters, arguments) result name parameters;
#include "tarnwick/host_functions.inc"

}  // namespace Tarnwick::OvWrapper
