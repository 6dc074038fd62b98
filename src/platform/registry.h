// Reading the Windows registry under HKEY_LOCAL_MACHINE.
//
//   std::unique_ptr<RegistryKey> key =
//       platform::ActiveRegistry().OpenLocalMachineKey(u"SOFTWARE\\Kestrum\\Orvane Explorer");
//   if (key) for (const auto& name : key->SubkeyNames()) ...
//
// A key that does not exist opens as null; a key that exists but may not be read, or cannot be
// enumerated, raises Tarnwick::Error with the system's reason. Values are told apart as absent,
// text (REG_SZ, and REG_EXPAND_SZ with the variables expanded) or of another type.
//
// The Win32 implementation reads the process's default registry view. Linux has no registry:
// the native build reads an empty InMemoryRegistry, and tests put a tree of their own in place
// with ScopedOverride<Registry>.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace Tarnwick::platform {

struct RegistryValue {
  enum class Kind { Absent, Text, Other };
  Kind kind = Kind::Absent;
  std::u16string text;  // only for Kind::Text
};

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // In the order the registry lists them.
  virtual std::vector<std::u16string> SubkeyNames() = 0;
  virtual std::unique_ptr<RegistryKey> OpenSubkey(std::u16string_view name) = 0;
  virtual RegistryValue ReadValue(std::u16string_view name) = 0;
};

class Registry {
 public:
  virtual ~Registry() = default;
  // The key HKEY_LOCAL_MACHINE\path, opened for reading; null when it does not exist.
  virtual std::unique_ptr<RegistryKey> OpenLocalMachineKey(std::u16string_view path) = 0;
};

// The registry the library reads: the innermost live ScopedOverride<Registry>, else the
// system's.
Registry& ActiveRegistry();

// A registry tree in memory. Key paths use backslashes and match regardless of ASCII letter
// case, as the registry's do; subkeys are listed in the order they were first created.
//
//   InMemoryRegistry registry;
//   registry.SetText(u"SOFTWARE\\Kestrum\\Orvane Explorer\\8.11", u"Version", u"08.11");
class InMemoryRegistry final : public Registry {
 public:
  InMemoryRegistry();
  ~InMemoryRegistry() override;

  // Each creates the key and its missing parents.
  void CreateKey(std::u16string_view path);
  void SetText(std::u16string_view path, std::u16string_view name, std::u16string_view value);
  void SetNumber(std::u16string_view path, std::u16string_view name, uint32_t value);
  // Opening the key raises an access error from now on.
  void DenyAccess(std::u16string_view path);

  std::unique_ptr<RegistryKey> OpenLocalMachineKey(std::u16string_view path) override;

  struct Node;

 private:
  Node& Create(std::u16string_view path);
  std::unique_ptr<Node> root_;
};

namespace detail {
Registry& SystemRegistry();  // one per platform folder
}  // namespace detail

}  // namespace Tarnwick::platform
