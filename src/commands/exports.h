// The exports of Tarnwick.dll, as the host calls them (stdcall on 32-bit Windows), with
// ordinals 1 to 4 in this order (Tarnwick.def.in).
#pragma once

#include <cstdint>

#include "tarnwick/host_types.h"

extern "C" {
int32_t TARNWICK_HOSTAPI DocumentCommand(uint32_t uiCount, const int32_t* plProjArray,
                                         const int32_t* plDocArray);
int32_t TARNWICK_HOSTAPI DocumentCommandBareLink(uint32_t uiCount, const int32_t* plProjArray,
                                                 const int32_t* plDocArray);
int32_t TARNWICK_HOSTAPI ProjectCommand(int32_t iProjectId);
int32_t TARNWICK_HOSTAPI ProjectCommandBareLink(int32_t iProjectId);
}
