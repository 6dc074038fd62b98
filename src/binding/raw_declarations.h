// The private raw declarations behind the string-property wrappers: the host entry point
// returning its pointer to host-owned text, which only the public wrapper reads.
#pragma once

#include "tarnwick/ov_host_api.h"

namespace Tarnwick::OvWrapper::detail {

#define TW_HOST_FUNCTION(library, result, name, parameters, arguments)
#define TW_HOST_STRING(library, prefix, name, parameters, arguments) \
  HostHandle prefix##name parameters;
#include "tarnwick/host_functions.inc"
#undef TW_HOST_FUNCTION
#undef TW_HOST_STRING

}  // namespace Tarnwick::OvWrapper::detail
