// The two XML application-settings files and the readers over them.
#include "util/settings.h"

#include <limits>

#include "platform/files.h"
#include "platform/locale_text.h"
#include "platform/module_files.h"
#include "platform/text.h"
#include "platform/xml_reader.h"
#include "tarnwick/dorn_utilities.h"
#include "tarnwick/error.h"
#include "util/text_rules.h"

namespace Tarnwick::DornUtilities {
namespace detail {
namespace {

// Keys are matched as the platform's configuration system matches them: ignoring case.
bool SameKey(std::u16string_view a, std::u16string_view b) {
  return util::EqualsIgnoringAsciiCase(a, b);
}

[[noreturn]] void Malformed(const std::u16string& file, int32_t line, const std::string& reason) {
  throw SettingsError(reason + " (" + platform::ToUtf8(file) + " line " + std::to_string(line) +
                      ")");
}

const std::u16string* Attribute(const platform::XmlElement& element, std::u16string_view name) {
  for (const auto& [attribute, value] : element.attributes) {
    if (attribute == name) return &value;
  }
  return nullptr;
}

const std::u16string& RequiredKey(const std::u16string& file, const platform::XmlElement& entry) {
  const std::u16string* key = Attribute(entry, u"key");
  if (!key) Malformed(file, entry.line, "Required attribute 'key' not found.");
  return *key;
}

}  // namespace

std::u16string ProcessSettingsFile() {
  return platform::ProgramFilePath() + u".config";
}
std::u16string LibrarySettingsFile() {
  return platform::LibraryFilePath() + u".config";
}

std::optional<std::u16string> ReadSetting(const std::u16string& settingsFile,
                                          std::u16string_view key) {
  if (!platform::FileExists(settingsFile)) return std::nullopt;
  std::string bytes;
  try {
    bytes = platform::ReadWholeFile(settingsFile);
  } catch (const FileError& error) {
    throw SettingsError(std::string("The settings file cannot be read: ") + error.what());
  }
  platform::XmlElement root;
  try {
    root = platform::ParseXmlDocument(bytes);
  } catch (const platform::XmlSyntaxError& error) {
    Malformed(settingsFile, error.line(), error.what());
  }
  if (root.name != u"configuration") {
    Malformed(
        settingsFile, root.line,
        "The root element must be 'configuration', not '" + platform::ToUtf8(root.name) + "'.");
  }

  std::optional<std::u16string> value;
  for (const platform::XmlElement& section : root.children) {
    if (section.name != u"appSettings") continue;
    for (const platform::XmlElement& entry : section.children) {
      if (entry.name == u"add") {
        const std::u16string& entryKey = RequiredKey(settingsFile, entry);
        const std::u16string* entryValue = Attribute(entry, u"value");
        if (SameKey(entryKey, key)) value = entryValue ? *entryValue : std::u16string();
      } else if (entry.name == u"remove") {
        if (SameKey(RequiredKey(settingsFile, entry), key)) value.reset();
      } else if (entry.name == u"clear") {
        value.reset();
      } else {
        Malformed(settingsFile, entry.line,
                  "Unrecognized element '" + platform::ToUtf8(entry.name) + "'.");
      }
    }
  }
  return value;
}

int32_t ParseInteger(const std::optional<std::u16string>& value) {
  if (!value) return 0;
  // Blanks, tabs and line ends around the number, an optional sign, decimal digits.
  auto blank = [](char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); };
  std::u16string_view text = *value;
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
    negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return 0;
  int64_t number = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return 0;
    number = number * 10 + (c - u'0');
    if (number > int64_t(std::numeric_limits<int32_t>::max()) + 1) return 0;
  }
  if (negative) number = -number;
  if (number > std::numeric_limits<int32_t>::max()) return 0;
  return int32_t(number);
}

bool ParseBoolean(const std::optional<std::u16string>& value, bool anyCaseYes) {
  if (!value) return false;
  std::u16string_view word = util::TrimWhiteSpace(*value);
  if (util::EqualsIgnoringAsciiCase(word, u"true")) return true;
  if (util::EqualsIgnoringAsciiCase(word, u"false")) return false;
  if ((anyCaseYes ? platform::ToLowerLocale(*value) : *value) == u"yes") return true;
  return *value == u"1";
}

}  // namespace detail

std::u16string GetSetting(std::u16string_view sSettingName) {
  return detail::FindSetting(sSettingName).value_or(u"");
}
int32_t GetIntSetting(std::u16string_view sSettingName) {
  return detail::ParseInteger(detail::FindSetting(sSettingName));
}
bool GetBooleanSetting(std::u16string_view sSettingName) {
  return detail::ParseBoolean(detail::FindSetting(sSettingName), true);
}

std::u16string GetSettingFromDLLConfig(std::u16string_view sSettingName) {
  return detail::FindSettingFromDLLConfig(sSettingName).value_or(u"");
}
int32_t GetIntSettingFromDLLConfig(std::u16string_view sSettingName) {
  return detail::ParseInteger(detail::FindSettingFromDLLConfig(sSettingName));
}
bool GetBooleanSettingFromDLLConfig(std::u16string_view sSettingName) {
  return detail::ParseBoolean(detail::FindSettingFromDLLConfig(sSettingName), false);
}

}  // namespace Tarnwick::DornUtilities
