// OvWrapper's shared state that only the library sees, created by the binding's start-up
// before its first host call and kept for the life of the process.
//
//   auto& cache = OvWrapper::detail::sessionHandles();  // runs the start-up if it has not run
//   std::lock_guard lock(OvWrapper::detail::_lockObject());
//
// Each accessor runs the start-up first, so after a failed start-up they fail with its error,
// as every other use of the binding does.
#pragma once

#include <mutex>
#include <string>
#include <unordered_map>

#include "tarnwick/host_types.h"

namespace Tarnwick::OvWrapper::detail {

// The login cache: credential hash to data-source handle. Unguarded, like the host's own
// process-wide state: callers keep host work on one thread at a time.
std::unordered_map<std::u16string, HostHandle>& sessionHandles();

// Serialises document copy-out.
std::mutex& _lockObject();

}  // namespace Tarnwick::OvWrapper::detail
