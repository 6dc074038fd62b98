// POSIX: the C library's environment, whose "ANSI" text is the locale's UTF-8.
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/environment.h"
#include "platform/text.h"

namespace Tarnwick::platform::detail {
namespace {

class SystemEnvironmentImpl final : public Environment {
 public:
  uint32_t GetVariableA(const char* name, char* buffer, uint32_t size) override {
    const char* value = std::getenv(name);
    if (!value) return 0;
    size_t length = std::strlen(value);
    if (length >= size) return uint32_t(length + 1);
    std::memcpy(buffer, value, length + 1);
    return uint32_t(length);
  }
  bool SetVariableA(const char* name, const char* value) override {
    return (value ? setenv(name, value, 1) : unsetenv(name)) == 0;
  }
  bool SetVariable(std::u16string_view name, std::optional<std::u16string_view> value) override {
    std::string narrowName = ToUtf8(name);
    if (!value || value->empty()) return unsetenv(narrowName.c_str()) == 0;
    return setenv(narrowName.c_str(), ToUtf8(*value).c_str(), 1) == 0;
  }
};

}  // namespace

Environment& SystemEnvironment() {
  static SystemEnvironmentImpl environment;
  return environment;
}

}  // namespace Tarnwick::platform::detail
