// Chooses between the process's environment and a test's replacement.
#include "platform/environment.h"

#include "platform/scoped_override.h"

namespace Tarnwick::platform {

Environment& ActiveEnvironment() {
  if (Environment* replacement = ScopedOverride<Environment>::Current()) return *replacement;
  return detail::SystemEnvironment();
}

}  // namespace Tarnwick::platform
