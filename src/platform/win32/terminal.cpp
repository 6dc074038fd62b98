// Win32: the wide command line, console text through WriteConsoleW/ReadConsoleW, and bytes
// through WriteFile/ReadFile when a stream is redirected.
#include "platform/windows.h"
// shellapi.h needs the types of windows.h first.
#include <shellapi.h>

#include <iterator>
#include <memory>

#include "platform/terminal.h"
#include "platform/text.h"

namespace Tarnwick::platform {
namespace {

struct LocalFreeDeleter {
  void operator()(wchar_t** memory) const { LocalFree(memory); }
};

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

void Write(DWORD which, std::u16string_view text) {
  HANDLE handle = GetStdHandle(which);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) return;
  if (IsConsole(handle)) {
    DWORD written = 0;
    WriteConsoleW(handle, text.data(), DWORD(text.size()), &written, nullptr);
    return;
  }
  // A file or a pipe gets UTF-8 with CR LF line ends, as Windows programs expect.
  std::u16string crlf;
  for (char16_t c : text) {
    if (c == u'\n') crlf += u'\r';
    crlf += c;
  }
  const std::string bytes = ToUtf8(crlf);
  DWORD written = 0;
  WriteFile(handle, bytes.data(), DWORD(bytes.size()), &written, nullptr);
}

// Restores the console's input mode when the read ends, however it ends.
class ConsoleModeGuard {
 public:
  // change maps the console's present mode to the one wanted while the guard lives.
  template <typename Change>
  ConsoleModeGuard(HANDLE console, Change change) : console_(console), previous_(0) {
    GetConsoleMode(console_, &previous_);
    SetConsoleMode(console_, change(previous_));
  }
  ~ConsoleModeGuard() { SetConsoleMode(console_, previous_); }
  ConsoleModeGuard(const ConsoleModeGuard&) = delete;
  ConsoleModeGuard& operator=(const ConsoleModeGuard&) = delete;

 private:
  HANDLE console_;
  DWORD previous_;
};

std::optional<std::u16string> ReadConsoleLine(HANDLE console, std::u16string_view prompt) {
  WriteStandardError(prompt);
  std::u16string line;
  bool ended = false;
  {
    ConsoleModeGuard noEcho(console, [](DWORD mode) {
      return (mode & ~DWORD(ENABLE_ECHO_INPUT)) | ENABLE_LINE_INPUT | ENABLE_PROCESSED_INPUT;
    });
    wchar_t buffer[256];
    DWORD read = 0;
    while (!ended && ReadConsoleW(console, buffer, DWORD(std::size(buffer)), &read, nullptr) &&
           read > 0) {
      for (DWORD i = 0; i < read && !ended; ++i) {
        if (buffer[i] == L'\n') {
          ended = true;
        } else if (buffer[i] != L'\r') {
          line += char16_t(buffer[i]);
        }
      }
    }
  }
  WriteStandardError(u"\n");  // the Enter key was not echoed either
  if (!ended && line.empty()) return std::nullopt;
  return line;
}

std::u16string DecodeRedirectedBytes(const std::string& bytes) {
  if (bytes.empty()) return {};
  for (UINT codePage : {UINT(CP_UTF8), GetConsoleCP() ? GetConsoleCP() : UINT(CP_OEMCP)}) {
    const DWORD flags = codePage == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
    const int length =
        MultiByteToWideChar(codePage, flags, bytes.data(), int(bytes.size()), nullptr, 0);
    if (length <= 0) continue;
    std::u16string text(size_t(length), u'\0');
    MultiByteToWideChar(codePage, flags, bytes.data(), int(bytes.size()),
                        reinterpret_cast<wchar_t*>(text.data()), length);
    return text;
  }
  return FromUtf8(bytes);
}

}  // namespace

std::vector<std::u16string> CommandLineArguments(int, char**) {
  // The narrow argv holds the ANSI code page's idea of the arguments; the wide command line
  // holds what was typed.
  int count = 0;
  std::unique_ptr<wchar_t*, LocalFreeDeleter> arguments(
      CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::u16string> result;
  for (int i = 1; arguments && i < count; ++i) result.emplace_back(AsUtf16(arguments.get()[i]));
  return result;
}

void WriteStandardOutput(std::u16string_view text) {
  Write(STD_OUTPUT_HANDLE, text);
}
void WriteStandardError(std::u16string_view text) {
  Write(STD_ERROR_HANDLE, text);
}

bool StandardInputIsConsole() {
  return IsConsole(GetStdHandle(STD_INPUT_HANDLE));
}

std::optional<std::u16string> ReadSecretLine(std::u16string_view prompt) {
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  if (IsConsole(input)) return ReadConsoleLine(input, prompt);

  std::string bytes;
  bool ended = false;
  if (input != nullptr && input != INVALID_HANDLE_VALUE) {
    char c = 0;
    DWORD read = 0;
    // One byte at a time, so that nothing past the line is taken from a pipe.
    while (ReadFile(input, &c, 1, &read, nullptr) && read == 1) {
      if (c == '\n') {
        ended = true;
        break;
      }
      bytes += c;
    }
  }
  if (!ended && bytes.empty()) return std::nullopt;
  if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
  return DecodeRedirectedBytes(bytes);
}

}  // namespace Tarnwick::platform
