// A small stand-in for Orvane Explorer: loads Tarnwick.dll, calls one of its menu commands with
// the selection given on the command line, and prints what landed on the clipboard.
//
//   desktop_host DocumentCommand 3:1 3:2       documents as project:document pairs
//   desktop_host ProjectCommand 3              a folder
//   desktop_host --fixture data.json ...       another datasource than the built-in sample
//   desktop_host --read                        print the clipboard only
//   desktop_host --hold-clipboard SECONDS      keep the clipboard open, as a busy program would
//   desktop_host --idle SECONDS                stay alive doing nothing (keeps Wine's clipboard)
#include <objbase.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/text.h"
#include "platform/windows.h"

namespace {

using Tarnwick::platform::ToUtf8;

using DocumentCommandFn = int32_t(__stdcall*)(uint32_t, const int32_t*, const int32_t*);
using ProjectCommandFn = int32_t(__stdcall*)(int32_t);
using LoadFixtureFileFn = int32_t (*)(const char*);

template <typename Function>
Function Entry(HMODULE module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<uintptr_t>(GetProcAddress(module, name)));
}

std::string FormatName(UINT format) {
  switch (format) {
    case CF_TEXT:
      return "CF_TEXT";
    case CF_OEMTEXT:
      return "CF_OEMTEXT";
    case CF_UNICODETEXT:
      return "CF_UNICODETEXT";
    case CF_LOCALE:
      return "CF_LOCALE";
  }
  wchar_t name[256];
  int length = GetClipboardFormatNameW(format, name, 256);
  if (length > 0) return ToUtf8(std::u16string_view(Tarnwick::platform::AsUtf16(name), size_t(length)));
  return "format " + std::to_string(format);
}

// The value of a "Name:000000123" line of a CF_HTML header, or -1.
long HeaderField(const std::string& html, const std::string& field) {
  size_t at = html.find("\r\n" + field + ":");
  if (at == std::string::npos) at = html.rfind(field + ":", 0) == 0 ? 0 : std::string::npos;
  if (at == std::string::npos) return -1;
  return std::strtol(html.c_str() + html.find(':', at) + 1, nullptr, 10);
}

std::string Escape(const std::string& bytes) {
  std::string out;
  for (char c : bytes) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\0') {
      out += "\\0";
    } else {
      out += c;
    }
  }
  return out;
}

int PrintClipboard() {
  for (int attempt = 0; !OpenClipboard(nullptr); ++attempt) {
    if (attempt == 20) {
      std::printf("clipboard: cannot open\n");
      return 2;
    }
    Sleep(50);
  }
  for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format)) {
    HANDLE data = GetClipboardData(format);
    if (!data) continue;
    const char* bytes = static_cast<const char*>(GlobalLock(data));
    size_t size = GlobalSize(data);
    std::string content(bytes ? bytes : "", bytes ? size : 0);
    GlobalUnlock(data);
    std::string name = FormatName(format);
    if (format == CF_UNICODETEXT) {
      std::u16string text(reinterpret_cast<const char16_t*>(content.data()), content.size() / 2);
      text.resize(std::char_traits<char16_t>::length(text.c_str()));
      std::printf("format %s bytes=%zu text=%s\n", name.c_str(), size, Escape(ToUtf8(text)).c_str());
    } else if (format == CF_LOCALE) {
      std::printf("format %s bytes=%zu\n", name.c_str(), size);
    } else {
      std::printf("format %s bytes=%zu text=%s\n", name.c_str(), size, Escape(content).c_str());
    }
    if (name == "HTML Format") {
      long start = HeaderField(content, "StartFragment"), end = HeaderField(content, "EndFragment");
      std::printf("  StartHTML=%ld EndHTML=%ld StartFragment=%ld EndFragment=%ld\n",
                  HeaderField(content, "StartHTML"), HeaderField(content, "EndHTML"), start, end);
      if (start >= 0 && end >= start && size_t(end) <= content.size()) {
        std::printf("  fragment=%s\n", Escape(content.substr(size_t(start), size_t(end - start))).c_str());
      }
    }
  }
  CloseClipboard();
  return 0;
}

int Usage() {
  std::fprintf(stderr,
               "usage: desktop_host [--fixture FILE] DocumentCommand|DocumentCommandBareLink "
               "PROJECT:DOCUMENT...\n"
               "       desktop_host [--fixture FILE] ProjectCommand|ProjectCommandBareLink PROJECT\n"
               "       desktop_host --read | --hold-clipboard SECONDS | --idle SECONDS\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  if (args[0] == "--read") return PrintClipboard();
  if (args[0] == "--idle" && args.size() == 2) {
    std::this_thread::sleep_for(std::chrono::seconds(std::atoi(args[1].c_str())));
    return 0;
  }
  if (args[0] == "--hold-clipboard" && args.size() == 2) {
    if (!OpenClipboard(nullptr)) return 1;
    std::printf("holding\n");
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::seconds(std::atoi(args[1].c_str())));
    CloseClipboard();
    return 0;
  }

  // Orvane Explorer's user-interface thread is a single-threaded COM apartment.
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;

  if (args[0] == "--fixture" && args.size() > 2) {
    HMODULE kelcore = LoadLibraryW(L"kelcore.dll");
    auto load = kelcore ? Entry<LoadFixtureFileFn>(kelcore, "emu_LoadFixtureFile") : nullptr;
    if (!load || !load(args[1].c_str())) {
      std::fprintf(stderr, "desktop_host: cannot load fixture %s\n", args[1].c_str());
      return 1;
    }
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() < 2) return Usage();

  HMODULE plugin = LoadLibraryW(L"Tarnwick.dll");
  if (!plugin) {
    std::fprintf(stderr, "desktop_host: cannot load Tarnwick.dll (%lu)\n", GetLastError());
    return 1;
  }
  const std::string& command = args[0];
  int32_t result = 0;
  if (command == "DocumentCommand" || command == "DocumentCommandBareLink") {
    std::vector<int32_t> projects, documents;
    for (size_t i = 1; i < args.size(); ++i) {
      size_t colon = args[i].find(':');
      if (colon == std::string::npos) return Usage();
      projects.push_back(std::atoi(args[i].substr(0, colon).c_str()));
      documents.push_back(std::atoi(args[i].substr(colon + 1).c_str()));
    }
    auto run = Entry<DocumentCommandFn>(plugin, command.c_str());
    if (!run) return 1;
    result = run(uint32_t(projects.size()), projects.data(), documents.data());
  } else if (command == "ProjectCommand" || command == "ProjectCommandBareLink") {
    auto run = Entry<ProjectCommandFn>(plugin, command.c_str());
    if (!run) return 1;
    result = run(std::atoi(args[1].c_str()));
  } else {
    return Usage();
  }
  std::printf("%s returned %d\n", command.c_str(), result);
  int printed = PrintClipboard();
  CoUninitialize();
  return printed;
}
