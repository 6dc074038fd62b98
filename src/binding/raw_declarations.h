// The binding's private declarations: the raw entry points behind the string-property, GUID and
// number wrappers (returning the host's pointer or number, which only the public wrapper reads),
// and the host functions that only the library itself calls (the narrow KERNEL32 forms).
//
// GetEnvironmentVariable and SetEnvironmentVariable are also macros of <windows.h>: a file that
// includes both would bind the wide names, and fails to link, so keep them apart.
#pragma once

#include "tarnwick/ov_host_api.h"

namespace Tarnwick::OvWrapper::detail {

#define TW_HOST_FUNCTION(library, result, name, parameters, arguments)
#define TW_HOST_ALIAS(library, result, name, entry, parameters, arguments)
#define TW_HOST_PRIVATE(library, result, name, entry, parameters, arguments) result name parameters;
#define TW_HOST_TEXT(library, name, parameters, arguments)
#define TW_HOST_STRING(library, prefix, name, parameters, arguments) \
  HostHandle prefix##name parameters;
#define TW_HOST_STRING_RAW(library, prefix, name, parameters, arguments, rawParameters, \
                           rawArguments)                                                \
  HostHandle prefix##name rawParameters;
#define TW_HOST_GUID(library, prefix, name, parameters, arguments) \
  HostHandle prefix##name parameters;
#define TW_HOST_NUMBER(library, prefix, result, name, parameters, arguments) \
  result prefix##name parameters;
#include "tarnwick/host_functions.inc"

}  // namespace Tarnwick::OvWrapper::detail
