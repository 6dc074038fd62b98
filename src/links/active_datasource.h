// The name of the datasource the host is logged in to, read into a 1024-character buffer;
// std::nullopt when the host reports failure.
#pragma once

#include <optional>
#include <string>

namespace Tarnwick::OvWrapper::detail {

std::optional<std::u16string> ActiveDatasourceName();

}  // namespace Tarnwick::OvWrapper::detail
