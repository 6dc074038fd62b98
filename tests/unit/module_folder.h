// A fresh folder that plays the library's and the program's folder for one test: the library
// is <folder>/Tarnwick.dll, the program <folder>/program.exe, the roaming application data
// <folder>/appdata and the temporary folder <folder>/temp (neither created). The settings files
// are written on request; everything is removed at the end.
//
//   ModuleFolder folder;
//   folder.WriteProcessSettings(R"(<add key="LogFolder" value="..." />)");
//   EXPECT_EQ(DornUtilities::GetSetting(u"LogFolder"), ...);
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/files.h"
#include "platform/known_folders.h"
#include "platform/module_files.h"
#include "platform/text.h"

namespace Tarnwick::testing {

class ModuleFolder {
 public:
  ModuleFolder()
      : root_(MakeRoot()),
        files_{Path(u"Tarnwick.dll"), Path(u"program.exe")},
        folders_{Path(u"appdata"), Path(u"temp")},
        filesScope_(files_),
        foldersScope_(folders_) {}
  ~ModuleFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(root_), ignored);
  }
  ModuleFolder(const ModuleFolder&) = delete;
  ModuleFolder& operator=(const ModuleFolder&) = delete;

  const std::u16string& root() const { return root_; }
  std::u16string Path(std::u16string_view name) const { return platform::JoinPath(root_, name); }
  const std::u16string& appData() const { return folders_.roamingAppData; }

  // An application-settings file holding the given <appSettings> entries.
  void WriteProcessSettings(const std::string& entries) const {
    WriteFile(files_.program + u".config", SettingsFile(entries));
  }
  void WriteLibrarySettings(const std::string& entries) const {
    WriteFile(files_.library + u".config", SettingsFile(entries));
  }

  static std::string SettingsFile(const std::string& entries) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<configuration>\n  <appSettings>\n" +
           entries + "\n  </appSettings>\n</configuration>\n";
  }
  static void WriteFile(const std::u16string& path, const std::string& bytes) {
    std::ofstream(std::filesystem::path(path), std::ios::binary) << bytes;
  }
  static std::string ReadFile(const std::u16string& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }

 private:
  static std::u16string MakeRoot() {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::filesystem::path root =
        std::filesystem::temp_directory_path() /
        ("tarnwick-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(root);
    return root.u16string();
  }

  std::u16string root_;
  platform::ModuleFiles files_;
  platform::KnownFolders folders_;
  platform::ScopedOverride<platform::ModuleFiles> filesScope_;
  platform::ScopedOverride<platform::KnownFolders> foldersScope_;
};

}  // namespace Tarnwick::testing
