// The emulator's kelbase.dll error state: the last error that a host call set. kelcore.dll
// implements them as kelbase_<name>, where the state lives; kelbase.dll forwards its names there.
#include "emulator/datasource.h"
#include "emulator/host_api.h"

using namespace Tarnwick::Emulator;

EMU_HOSTAPI(int32_t) kelbase_qxApi_GetLastErrorId() {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  host.Log("qxApi_GetLastErrorId()");
  return host.hostErrorId();
}

EMU_HOSTAPI(const char16_t*) kelbase_qxApi_GetLastErrorMessage() {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  host.Log("qxApi_GetLastErrorMessage()");
  return host.HostText("qxApi_GetLastErrorMessage", host.hostErrorMessage());
}
