// Win32: the process environment through KERNEL32's own functions.
#include <string>

#include "platform/environment.h"
#include "platform/windows.h"

namespace Tarnwick::platform::detail {
namespace {

class SystemEnvironmentImpl final : public Environment {
 public:
  uint32_t GetVariableA(const char* name, char* buffer, uint32_t size) override {
    return GetEnvironmentVariableA(name, buffer, size);
  }
  bool SetVariableA(const char* name, const char* value) override {
    return SetEnvironmentVariableA(name, value) != FALSE;
  }
  bool SetVariable(std::u16string_view name, std::optional<std::u16string_view> value) override {
    std::u16string wideName(name);
    if (!value || value->empty())
      return SetEnvironmentVariableW(AsWide(wideName), nullptr) != FALSE;
    std::u16string wideValue(*value);
    return SetEnvironmentVariableW(AsWide(wideName), AsWide(wideValue)) != FALSE;
  }
};

}  // namespace

Environment& SystemEnvironment() {
  static SystemEnvironmentImpl environment;
  return environment;
}

}  // namespace Tarnwick::platform::detail
