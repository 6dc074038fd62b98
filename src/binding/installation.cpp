// Installation discovery: where the Orvane client is installed, and putting its bin folder on
// the process's search path.
#include <memory>
#include <span>

#include "binding/host_library.h"
#include "binding/startup.h"
#include "platform/debug_output.h"
#include "platform/environment.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "tarnwick/error.h"
#include "tarnwick/ov_installation.h"
#include "util/settings.h"

namespace Tarnwick::OvWrapper {
namespace detail {
namespace {

// An environment variable's value stays below this many characters.
constexpr uint32_t kMaxVariableLength = 32767;
constexpr char kTooLong[] =
    "Can not add to 'Path' environment variable because the resulting value would be too long.";

constexpr const char16_t* kKeys64[] = {u"SOFTWARE\\Kestrum\\Orvane Explorer"};
constexpr const char16_t* kKeys32[] = {
    u"SOFTWARE\\Wow6432Node\\Kestrum\\Orvane Explorer",
    u"SOFTWARE\\Wow6432Node\\Kestrum\\Orvane Administrator",
    u"SOFTWARE\\Kestrum\\Orvane Explorer",
    u"SOFTWARE\\Kestrum\\Orvane Administrator",
};

// A text value, none when absent; a value of another type is an error that ends the search.
std::optional<std::u16string> TextValue(platform::RegistryKey& key, std::u16string_view name,
                                        std::u16string_view keyPath, std::u16string_view subkey) {
  platform::RegistryValue value = key.ReadValue(name);
  switch (value.kind) {
    case platform::RegistryValue::Kind::Absent:
      return std::nullopt;
    case platform::RegistryValue::Kind::Text:
      return std::move(value.text);
    case platform::RegistryValue::Kind::Other:
      break;
  }
  throw Error("The registry value '" + platform::ToUtf8(name) + "' of 'HKEY_LOCAL_MACHINE\\" +
              platform::ToUtf8(keyPath) + "\\" + platform::ToUtf8(subkey) + "' is not text.");
}

}  // namespace

OrvaneVersion OrvaneVersion::Parse(std::u16string_view text) {
  OrvaneVersion version;
  size_t count = 0;
  size_t start = 0;
  for (;;) {
    size_t end = std::min(text.find(u'.', start), text.size());
    std::u16string_view part = text.substr(start, end - start);
    bool digits = !part.empty() && part.size() <= 10 &&
                  part.find_first_not_of(u"0123456789") == std::u16string_view::npos;
    if (!digits || count == version.parts_.size()) {
      throw FormatError("'" + platform::ToUtf8(text) + "' is not a version.");
    }
    int64_t number = 0;
    for (char16_t c : part) number = number * 10 + (c - u'0');
    if (number > INT32_MAX) throw FormatError("'" + platform::ToUtf8(text) + "' is not a version.");
    version.parts_[count++] = number;
    if (end == text.size()) break;
    start = end + 1;
  }
  if (count < 2) throw FormatError("'" + platform::ToUtf8(text) + "' is not a version.");
  return version;
}

std::u16string OrvaneVersion::ToString() const {
  std::u16string text;
  for (int64_t part : parts_) {
    if (part < 0) break;
    if (!text.empty()) text += u'.';
    text += platform::FromAscii(std::to_string(part));
  }
  return text;
}

std::optional<std::u16string> FindOrvanePath(bool is64Bit) {
  OrvaneVersion minimum = OrvaneVersion::Parse(is64Bit ? u"08.11" : u"08.01");
  std::span<const char16_t* const> keys = kKeys32;
  if (is64Bit) keys = kKeys64;
  std::optional<std::u16string> result;
  try {
    platform::Registry& registry = platform::ActiveRegistry();
    for (const char16_t* keyPath : keys) {
      std::unique_ptr<platform::RegistryKey> key = registry.OpenLocalMachineKey(keyPath);
      if (!key) continue;
      // The highest version wins; among equal versions the one listed last. A qualifying
      // version without "PathName" leaves no result for this key but still raises the minimum.
      for (const std::u16string& name : key->SubkeyNames()) {
        std::unique_ptr<platform::RegistryKey> installed = key->OpenSubkey(name);
        if (!installed) continue;
        std::optional<std::u16string> versionText =
            TextValue(*installed, u"Version", keyPath, name);
        if (!versionText) continue;
        OrvaneVersion version = OrvaneVersion::Parse(*versionText);
        if (version >= minimum) {
          result = TextValue(*installed, u"PathName", keyPath, name);
          minimum = version;
        }
      }
      if (result) break;  // the first key that yields a folder ends the search
    }
    if (!result) {
      platform::WriteDebugOutput(
          u"Registry search could not find installation directory for a Orvane version matching "
          u"minimum required version '" +
          minimum.ToString() +
          u"'.\nMake sure a Orvane version matching the above version is installed on this "
          u"system.");
    }
  } catch (const std::exception& error) {
    platform::WriteDebugOutput(platform::FromUtf8(error.what()));
  }
  return result;
}

void AppendToEnvironmentPath(std::u16string_view path) {
  platform::Environment& environment = platform::ActiveEnvironment();
  // A configured "Path", even an empty one, replaces the variable whole.
  if (std::optional<std::u16string> configured = DornUtilities::detail::FindSetting(u"Path")) {
    if (!environment.SetVariable(u"Path", *configured)) {
      throw Error("Could not write to 'Path' environment variable.");
    }
    return;
  }

  // The narrow-character forms: the value passes through the system ANSI code page.
  std::string buffer(kMaxVariableLength, '\0');
  uint32_t length = environment.GetVariableA("Path", buffer.data(), kMaxVariableLength);
  std::u16string value(path);
  if (length >= kMaxVariableLength) {
    // Did not fit the buffer: whatever comes in front, the result is too long.
    throw Error(kTooLong);
  }
  if (length > 0) {
    std::u16string current = platform::FromAnsi(buffer.c_str());
    if (current.find(path) != std::u16string::npos) return;
    value += u';';
    value += current;
    if (value.size() >= kMaxVariableLength) {
      throw Error(kTooLong);
    }
  }
  if (!environment.SetVariableA("Path", platform::ToAnsi(value).c_str())) {
    throw Error("Could not write to 'Path' environment variable.");
  }
}

void AppendOrvaneDllPathToEnvironmentPath() {
  try {
    std::optional<std::u16string> folder = FindOrvanePath(Is64BitProcess());
    if (!folder) return;
    std::u16string bin = *folder;
    bin += platform::DirectorySeparator();
    bin += u"bin";
    AppendToEnvironmentPath(bin);
  } catch (const std::exception& error) {
    platform::WriteDebugOutput(platform::FromUtf8(error.what()));
  }
}

}  // namespace detail

bool Is64Bit() {
  detail::EnsureStarted();
  return detail::Is64BitProcess();
}

std::optional<std::u16string> GetOrvanePath() {
  detail::EnsureStarted();
  return detail::FindOrvanePath(detail::Is64BitProcess());
}

}  // namespace Tarnwick::OvWrapper
