// A process environment for tests: variables in a map, writes counted, and a switch that makes
// the system refuse every write.
#pragma once

#include <cstring>
#include <map>
#include <string>

#include "platform/environment.h"
#include "platform/text.h"

namespace Tarnwick::testing {

class FakeEnvironment final : public platform::Environment {
 public:
  std::map<std::string, std::u16string> variables;
  bool refuseWrites = false;
  int writes = 0;

  uint32_t GetVariableA(const char* name, char* buffer, uint32_t size) override {
    auto it = variables.find(name);
    if (it == variables.end() || it->second.empty()) return 0;
    std::string value = platform::ToAnsi(it->second);
    if (value.size() >= size) return uint32_t(value.size() + 1);
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    return uint32_t(value.size());
  }
  bool SetVariableA(const char* name, const char* value) override {
    ++writes;
    if (refuseWrites) return false;
    if (value) {
      variables[name] = platform::FromAnsi(value);
    } else {
      variables.erase(name);
    }
    return true;
  }
  bool SetVariable(std::u16string_view name, std::optional<std::u16string_view> value) override {
    ++writes;
    if (refuseWrites) return false;
    if (value && !value->empty()) {
      variables[platform::ToUtf8(name)] = std::u16string(*value);
    } else {
      variables.erase(platform::ToUtf8(name));
    }
    return true;
  }
};

}  // namespace Tarnwick::testing
