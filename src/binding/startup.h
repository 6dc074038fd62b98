// The binding's one-time start-up: initialises the host client API before the first use of the
// binding in the process, putting the client's bin folder on the search path when the host
// libraries cannot be loaded.
//
// Concurrent first uses wait for the one start-up; a failed start-up is remembered and every
// later use of the binding fails with the same error.
#pragma once

namespace Tarnwick::OvWrapper::detail {

// Puts the installed client's bin folder at the front of the process's Path; never throws.
void AppendOrvaneDllPathToEnvironmentPath();

}  // namespace Tarnwick::OvWrapper::detail
