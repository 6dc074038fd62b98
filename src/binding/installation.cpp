// Installation discovery: where the Orvane client is installed, and putting its bin folder on
// the process's search path.
#include "binding/startup.h"

namespace Tarnwick::OvWrapper::detail {

void AppendOrvaneDllPathToEnvironmentPath() {
  // The registry search for the client's installation folder comes with the settings and
  // registry seams; until then the start-up's second initialisation runs on the path as it is.
}

}  // namespace Tarnwick::OvWrapper::detail
