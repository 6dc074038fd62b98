// The emu_ control functions.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "emulator/datasource.h"
#include "emulator/emulator_api.h"
#include "emulator/export_hiding.h"

using namespace Tarnwick::Emulator;

namespace {

int32_t CopyOut(const std::string& text, char* buffer, int32_t size) {
  if (buffer && size > 0) {
    size_t count = std::min(text.size(), size_t(size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
  }
  return int32_t(text.size());
}

int32_t Load(const std::string& json) {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  try {
    host.ReplaceDatasource(ParseFixture(json));
    host.lastError().clear();
    return 1;
  } catch (const std::exception& error) {
    host.lastError() = error.what();
    return 0;
  }
}

}  // namespace

EMU_API void emu_Reset() {
  Host::Instance().Reset();
  ShowAllExports();
}

EMU_API int32_t emu_LoadFixture(const char* json) { return json ? Load(json) : 0; }

EMU_API int32_t emu_LoadFixtureFile(const char* path) {
  std::ifstream file(path ? path : "", std::ios::binary);
  if (!file) {
    Host& host = Host::Instance();
    std::lock_guard lock(host.mutex());
    host.lastError() = std::string("cannot open fixture file '") + (path ? path : "") + "'";
    return 0;
  }
  std::ostringstream text;
  text << file.rdbuf();
  return Load(text.str());
}

EMU_API int32_t emu_GetLastError(char* buffer, int32_t size) {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  return CopyOut(host.lastError(), buffer, size);
}

EMU_API int32_t emu_GetCallLog(char* buffer, int32_t size) {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  std::string log;
  for (const std::string& entry : host.CallLog()) log.append(entry).append("\n");
  return CopyOut(log, buffer, size);
}

EMU_API void emu_ClearCallLog() {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  host.ClearCallLog();
}

EMU_API void emu_SetCallLogging(int32_t on) {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  host.SetCallLogging(on != 0);
}

EMU_API void emu_FailFunction(const char* name, int32_t fail) {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  host.SetFailing(name, fail != 0);
}

EMU_API void emu_ReturnNullText(const char* name, int32_t on) {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  host.SetNullText(name, on != 0);
}

EMU_API void emu_HideEntryPoint(const char* name, int32_t hide) {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  host.SetHidden(name, hide != 0);
  SetExportHidden(name, hide != 0);
}

EMU_API void emu_HideLibrary(const char* fileName, int32_t hide) {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  std::string name(fileName);
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  host.SetHidden("library:" + name, hide != 0);
}

EMU_API int32_t emu_OpenDataBufferCount() {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  return host.OpenBufferCount();
}

EMU_API int32_t emu_InvalidFreeCount() {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  return host.InvalidFreeCount();
}

EMU_API int32_t emu_OpenMonikerTextCount() {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  return host.OpenMonikerTextCount();
}

EMU_API int32_t emu_DocumentListViewId() {
  Host& host = Host::Instance();
  std::lock_guard lock(host.mutex());
  return host.documentListView();
}
