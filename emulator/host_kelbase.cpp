// The emulator's kelbase.dll: versions and hooks. Implemented in kelcore.dll under kelbase_
// names, which kelbase.dll forwards its exports to (host_api.h).
#include "emulator/datasource.h"
#include "emulator/host_api.h"
#include "emulator/host_call.h"

using namespace Tarnwick::Emulator;

namespace {

constexpr int32_t kCallNextInChain = 2;  // HookActions::QXHOOK_CALL_NEXT_IN_CHAIN

}  // namespace

// The host API version the emulator stands in for: 8.11, as major << 16 | minor.
EMU_HOSTAPI(int32_t) kelbase_qxApi_GetAPIVersion() {
  HOST_CALL(qxApi_GetAPIVersion);
  return host.Failing(hostFunction) ? 0 : (8 << 16) | 11;
}

EMU_HOSTAPI(const char16_t*) kelbase_qxApi_GetProductVersionString() {
  HOST_CALL(qxApi_GetProductVersionString);
  return host.Failing(hostFunction) ? nullptr : host.HostText(hostFunction, u"08.11.00.00");
}

// Registers a hook; the host keeps every registration, the same function included.
EMU_HOSTAPI(HostBool)
kelbase_qxApi_AddHook(int32_t lHookId, int32_t lHookType, GenericHookFunction lpfnHook) {
  HOST_CALL(qxApi_AddHook, lHookId, lHookType);
  if (host.Failing(hostFunction) || !lpfnHook) return 0;
  host.hooks().push_back(Host::Hook{lHookId, lHookType, lpfnHook});
  return 1;
}

EMU_API int32_t emu_CallHooks(int32_t hookId, int32_t hookType, intptr_t aParam1, int32_t aParam2,
                              int32_t* pResult) {
  std::vector<Host::Hook> hooks;
  {
    Host& host = Host::Instance();
    std::lock_guard lock(host.mutex());
    hooks = host.hooks();
  }
  // Called without the host lock: a hook may call the host, from this thread or another.
  int32_t action = -1;
  for (const Host::Hook& hook : hooks) {
    if (hook.id != hookId || hook.type != hookType) continue;
    action = hook.function(hookId, hookType, aParam1, aParam2, pResult);
    if (action != kCallNextInChain) break;
  }
  return action;
}
