// Win32: RegOpenKeyExW, RegEnumKeyExW and RegQueryValueExW in the process's default view.
#include "platform/registry.h"
#include "platform/text.h"
#include "platform/win32/system_error.h"
#include "platform/win32/unique_handle.h"
#include "platform/windows.h"
#include "tarnwick/error.h"

namespace Tarnwick::platform::detail {
namespace {

[[noreturn]] void Fail(const std::u16string& path, const char* what, LSTATUS status) {
  throw Error(std::string(what) + " registry key 'HKEY_LOCAL_MACHINE\\" + ToUtf8(path) +
              "': " + SystemErrorMessage(DWORD(status)));
}

class Win32Key final : public RegistryKey {
 public:
  Win32Key(unique_hkey key, std::u16string path) : key_(std::move(key)), path_(std::move(path)) {}

  // Null when the key does not exist; an error when it exists but may not be read.
  static std::unique_ptr<RegistryKey> Open(HKEY parent, const std::u16string& name,
                                           std::u16string path) {
    HKEY key = nullptr;
    LSTATUS status = RegOpenKeyExW(parent, AsWide(name), 0, KEY_READ, &key);
    if (status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND) return nullptr;
    if (status != ERROR_SUCCESS) Fail(path, "Cannot open", status);
    return std::make_unique<Win32Key>(unique_hkey(key), std::move(path));
  }

  std::vector<std::u16string> SubkeyNames() override {
    std::vector<std::u16string> names;
    wchar_t name[256];  // a key name has at most 255 characters
    for (DWORD index = 0;; ++index) {
      DWORD length = DWORD(std::size(name));
      LSTATUS status =
          RegEnumKeyExW(key_.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
      if (status == ERROR_NO_MORE_ITEMS) return names;
      if (status != ERROR_SUCCESS) Fail(path_, "Cannot list the subkeys of", status);
      names.emplace_back(AsUtf16(name), length);
    }
  }

  std::unique_ptr<RegistryKey> OpenSubkey(std::u16string_view name) override {
    std::u16string subkey(name);
    return Open(key_.get(), subkey, path_ + u"\\" + subkey);
  }

  RegistryValue ReadValue(std::u16string_view name) override {
    std::u16string valueName(name);
    DWORD type = 0;
    std::wstring data;
    for (;;) {
      DWORD bytes = DWORD(data.size() * sizeof(wchar_t));
      LSTATUS status = RegQueryValueExW(key_.get(), AsWide(valueName), nullptr, &type,
                                        reinterpret_cast<BYTE*>(data.data()), &bytes);
      if (status == ERROR_FILE_NOT_FOUND) return {};
      if (status == ERROR_SUCCESS && !data.empty()) {
        data.resize(bytes / sizeof(wchar_t));
        break;
      }
      if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) {
        Fail(path_, "Cannot read a value of", status);
      }
      if (type != REG_SZ && type != REG_EXPAND_SZ) return {RegistryValue::Kind::Other, {}};
      data.assign(bytes / sizeof(wchar_t) + 2, L'\0');  // room for a missing terminator
    }
    while (!data.empty() && data.back() == L'\0') data.pop_back();
    if (type == REG_EXPAND_SZ) data = Expand(data);
    return {RegistryValue::Kind::Text, std::u16string(AsUtf16(data.c_str()), data.size())};
  }

 private:
  static std::wstring Expand(const std::wstring& text) {
    std::wstring out(text.size() + 1, L'\0');
    for (;;) {
      DWORD length = ExpandEnvironmentStringsW(text.c_str(), out.data(), DWORD(out.size()));
      if (length == 0) return text;
      if (length <= out.size()) {
        out.resize(length - 1);
        return out;
      }
      out.assign(length, L'\0');
    }
  }

  unique_hkey key_;
  std::u16string path_;
};

class SystemRegistryImpl final : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenLocalMachineKey(std::u16string_view path) override {
    std::u16string name(path);
    return Win32Key::Open(HKEY_LOCAL_MACHINE, name, name);
  }
};

}  // namespace

Registry& SystemRegistry() {
  static SystemRegistryImpl registry;
  return registry;
}

}  // namespace Tarnwick::platform::detail
