// The library's process-wide lock around document copy-out. Defined in documents.cpp until the
// binding's start-up owns the library's shared state.
#pragma once

#include <mutex>

namespace Tarnwick::OvWrapper {

extern std::mutex _lockObject;

}  // namespace Tarnwick::OvWrapper
