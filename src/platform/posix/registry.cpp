// POSIX: Linux has no registry; the native build reads an empty tree, as on a machine where
// nothing is installed.
#include "platform/registry.h"

namespace Tarnwick::platform::detail {

Registry& SystemRegistry() {
  static InMemoryRegistry registry;
  return registry;
}

}  // namespace Tarnwick::platform::detail
