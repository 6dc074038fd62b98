// The emulator's environments (kelcore.dll): the current environment selection and its
// properties, read by row index.
#include "emulator/datasource.h"
#include "emulator/host_api.h"
#include "emulator/host_call.h"

using namespace Tarnwick::Emulator;

namespace {

// EnvironmentProperty values.
constexpr int32_t kId = 1, kTableId = 2, kFlags = 3, kAttributeCount = 4, kName = 5, kDesc = 6,
                  kViewId = 7;

const Environment* Row(Host& host, int32_t index) {
  const auto& selection = host.environmentSelection();
  return index >= 0 && index < int32_t(selection.size()) ? selection[size_t(index)] : nullptr;
}

}  // namespace

// Selects every environment of the datasource, the host's system environments only when asked.
EMU_HOSTAPI(int32_t) qxApi_SelectAllEnvs(HostBool showSystem) {
  HOST_CALL(qxApi_SelectAllEnvs, showSystem);
  auto& selection = host.environmentSelection();
  selection.clear();
  if (host.Failing(hostFunction)) return -1;
  for (const Environment& environment : host.datasource().environments) {
    if (showSystem || !environment.system) selection.push_back(&environment);
  }
  return int32_t(selection.size());
}

EMU_HOSTAPI(int32_t) qxApi_GetEnvId(int32_t lIndex) {
  HOST_CALL(qxApi_GetEnvId, lIndex);
  const Environment* environment = Row(host, lIndex);
  return environment && !host.Failing(hostFunction) ? environment->id : 0;
}

// Text properties only; a number property or one the host does not know gives no text.
EMU_HOSTAPI(const char16_t*) qxApi_GetEnvStringProperty(int32_t lPropertyId, int32_t lIndex) {
  HOST_CALL(qxApi_GetEnvStringProperty, lPropertyId, lIndex);
  const Environment* environment = Row(host, lIndex);
  if (!environment || host.Failing(hostFunction)) return nullptr;
  switch (lPropertyId) {
    case kName:
      return host.HostText(hostFunction, environment->name);
    case kDesc:
      return host.HostText(hostFunction, environment->description);
    default:
      return nullptr;
  }
}

EMU_HOSTAPI(int32_t) qxApi_GetEnvNumericProperty(int32_t lPropertyId, int32_t lIndex) {
  HOST_CALL(qxApi_GetEnvNumericProperty, lPropertyId, lIndex);
  const Environment* environment = Row(host, lIndex);
  if (!environment || host.Failing(hostFunction)) return 0;
  switch (lPropertyId) {
    case kId:
      return environment->id;
    case kTableId:
      return environment->tableId;
    case kFlags:
      return environment->flags;
    case kAttributeCount:
      return environment->attributeCount;
    case kViewId:
      return environment->viewId;
    default:
      return 0;
  }
}
