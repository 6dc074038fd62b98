// Test access to the emulator's emu_ controls, found the way the library finds host functions
// (kelcore.dll under Wine, the in-process emulator natively), so one test serves both builds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/loader.h"

namespace Tarnwick::testing {

class Emulator {
 public:
  static void Reset() { Call<void (*)()>("emu_Reset")(); }
  static bool LoadFixture(const std::string& json) {
    return Call<int32_t (*)(const char*)>("emu_LoadFixture")(json.c_str()) != 0;
  }
  static void FailFunction(const char* name, bool fail = true) {
    Call<void (*)(const char*, int32_t)>("emu_FailFunction")(name, fail);
  }
  static void ReturnNullText(const char* name, bool on = true) {
    Call<void (*)(const char*, int32_t)>("emu_ReturnNullText")(name, on);
  }
  static void HideEntryPoint(const char* name, bool hide = true) {
    Call<void (*)(const char*, int32_t)>("emu_HideEntryPoint")(name, hide);
  }
  static void HideLibrary(const char* fileName, bool hide = true) {
    Call<void (*)(const char*, int32_t)>("emu_HideLibrary")(fileName, hide);
  }
  static void ClearCallLog() { Call<void (*)()>("emu_ClearCallLog")(); }
  static int32_t OpenDataBufferCount() { return Call<int32_t (*)()>("emu_OpenDataBufferCount")(); }
  static int32_t InvalidFreeCount() { return Call<int32_t (*)()>("emu_InvalidFreeCount")(); }
  static int32_t DocumentListViewId() { return Call<int32_t (*)()>("emu_DocumentListViewId")(); }
  static int32_t OpenMonikerTextCount() {
    return Call<int32_t (*)()>("emu_OpenMonikerTextCount")();
  }
  // Runs the hooks registered for (hookId, hookType) as the host would; -1 when there are none.
  static int32_t CallHooks(int32_t hookId, int32_t hookType, intptr_t aParam1, int32_t aParam2,
                           int32_t* pResult) {
    return Call<int32_t (*)(int32_t, int32_t, intptr_t, int32_t, int32_t*)>("emu_CallHooks")(
        hookId, hookType, aParam1, aParam2, pResult);
  }

  // The host calls since the last reset or clear, as "name(arguments)".
  static std::vector<std::string> CallLog() {
    auto get = Call<int32_t (*)(char*, int32_t)>("emu_GetCallLog");
    std::string text(size_t(get(nullptr, 0)) + 1, '\0');
    get(text.data(), int32_t(text.size()));
    text.pop_back();
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
      lines.push_back(text.substr(start, end - start));
    }
    return lines;
  }

  // Only the calls of the named function, with their arguments.
  static std::vector<std::string> CallsOf(const std::string& function) {
    std::vector<std::string> calls;
    for (const std::string& line : CallLog()) {
      if (line.rfind(function + "(", 0) == 0) calls.push_back(line);
    }
    return calls;
  }

  // Just the function names, in call order.
  static std::vector<std::string> CalledFunctions() {
    std::vector<std::string> names;
    for (const std::string& line : CallLog()) names.push_back(line.substr(0, line.find('(')));
    return names;
  }

 private:
  template <typename Function>
  static Function Call(const char* name) {
    static platform::HostModule kelcore = platform::LoadHostLibrary(u"kelcore.dll");
    return reinterpret_cast<Function>(
        reinterpret_cast<uintptr_t>(platform::FindEntryPoint(kelcore, name)));
  }
};

}  // namespace Tarnwick::testing
