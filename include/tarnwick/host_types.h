// The basic types through which Tarnwick talks to the Orvane client libraries.
//
// The host exports plain C functions with the Windows standard calling convention, takes text
// as zero-terminated UTF-16 (char16_t here: the same 16-bit units as wchar_t on Windows), and
// passes handles (data buffers, datasources, monikers) as pointer-sized values, 0 meaning none.
// The records it exchanges are in ov_records.h, its enumerations in ov_enums.h.
#pragma once

#include <cstdint>

#include "tarnwick/guid.h"

// The host's calling convention: stdcall on 32-bit Windows (the callee pops its arguments).
// Other targets have a single convention, and g++ warns about the attribute there.
#if defined(_WIN32)
#define TARNWICK_HOSTAPI __stdcall
#else
#define TARNWICK_HOSTAPI
#endif

namespace Tarnwick::OvWrapper {

// A Windows BOOL: 0 is false, anything else true.
using HostBool = int32_t;

// A pointer-sized opaque host value: handles, and pointers to host-owned text or GUIDs.
using HostHandle = intptr_t;

}  // namespace Tarnwick::OvWrapper
