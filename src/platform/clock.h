// The local wall-clock time, as the log lines and the daily log file names show it.
//
//   DateTime now = platform::LocalNow();  // {2024, 3, 5, 14, 5, 9}
//
// Tests stop the clock with ScopedOverride<DateTime>.
#pragma once

#include "platform/scoped_override.h"
#include "tarnwick/template_argument.h"

namespace Tarnwick::platform {

namespace detail {
DateTime SystemLocalNow();  // one per platform folder
}  // namespace detail

inline DateTime LocalNow() {
  if (const DateTime* fixed = ScopedOverride<DateTime>::Current()) return *fixed;
  return detail::SystemLocalNow();
}

}  // namespace Tarnwick::platform
