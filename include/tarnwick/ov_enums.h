// Enumerations of the Orvane client API, nested in OvWrapper under the host's names.
#pragma once

#include <cstdint>

namespace Tarnwick::OvWrapper {

// Properties of a document row in the current selection or a data buffer.
enum class DocumentProperty : int32_t {
  Name = 20,
};

// Properties of a folder (project) row in the current selection.
enum class ProjectProperty : int32_t {
  Name = 12,
};

}  // namespace Tarnwick::OvWrapper
