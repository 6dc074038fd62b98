// The system's text for a Win32 error code, for error messages.
#pragma once

#include <string>

#include "platform/windows.h"

namespace Tarnwick::platform {

// "The specified module could not be found. (126)"
std::string SystemErrorMessage(DWORD error);

}  // namespace Tarnwick::platform
