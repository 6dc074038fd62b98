// The emulator's monikers (kelcore.dll, and qxApi_Free of kelbase.dll): moniker texts built for
// the caller and released by it, monikers parsed from text, and folder data buffers by GUID.
//
// The texts this host builds are "ov://{datasource}/Documents/D{guid}/" for a document and
// "ov://{datasource}/Documents/P{guid}/" for a folder; its parser reads the same forms back, with
// either slash, braces optional, the scheme in any case.
#include <cstring>
#include <optional>
#include <string>

#include "emulator/datasource.h"
#include "emulator/host_api.h"
#include "emulator/host_call.h"
#include "platform/text.h"

using namespace Tarnwick::Emulator;
using Tarnwick::OvWrapper::HostHandle;

namespace {

// The one datasource this host is logged in to.
constexpr int32_t kProjectId = 1;  // ProjectProperty::ID

std::string GuidText(const Guid* guid) {
  return guid ? Tarnwick::platform::ToUtf8(guid->ToString()) : "null";
}

std::u16string BuiltMoniker(const std::u16string& datasource, char16_t kind, const Guid& guid) {
  return u"ov://" + datasource + u"/Documents/" + kind + u"{" + guid.ToString() + u"}/";
}

std::optional<Host::Moniker> ParseMoniker(std::u16string text) {
  for (char16_t& c : text) {
    if (c == u'\\') c = u'/';
  }
  if (text.size() < 5) return std::nullopt;
  std::u16string scheme = Tarnwick::platform::ToLowerLocale(std::u16string_view(text).substr(0, 5));
  if (scheme != u"ov://") return std::nullopt;
  const size_t documents = text.find(u"/Documents/", 5);
  if (documents == std::u16string::npos || documents == 5) return std::nullopt;
  Host::Moniker moniker;
  moniker.datasource = text.substr(5, documents - 5);
  std::u16string rest = text.substr(documents + 11);
  if (rest.empty() || (rest[0] != u'D' && rest[0] != u'P')) return std::nullopt;
  moniker.document = rest[0] == u'D';
  rest.erase(0, 1);
  while (!rest.empty() && rest.back() == u'/') rest.pop_back();
  try {
    moniker.guid = Guid::Parse(rest);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  return moniker;
}

// The host builds monikers for its active datasource only (qxApi_GetActiveDatasource gives its
// connection handle; emulator/host_logins.cpp).
bool IsActiveDatasource(Host& host, HostHandle hDatasource) {
  return hDatasource != 0 && hDatasource == host.activeConnection();
}

}  // namespace

EMU_HOSTAPI(HostBool)
qxApi_BuildMonikerStringByDocGuid(HostHandle hDatasource, const Guid* pDocGuid,
                                  HostHandle* pMonikerStr) {
  HOST_CALL(qxApi_BuildMonikerStringByDocGuid, hDatasource, GuidText(pDocGuid));
  if (host.Failing(hostFunction) || !IsActiveDatasource(host, hDatasource) || !pDocGuid || !pMonikerStr) {
    return 0;
  }
  if (!host.datasource().FindDocument(*pDocGuid)) return 0;
  *pMonikerStr = host.NewMonikerText(BuiltMoniker(host.datasource().name, u'D', *pDocGuid));
  return 1;
}

EMU_HOSTAPI(HostBool)
qxApi_BuildMonikerStringByProjectGuid(HostHandle hDatasource, const Guid* pProjectGuid,
                                      HostHandle* pMonikerStr) {
  HOST_CALL(qxApi_BuildMonikerStringByProjectGuid, hDatasource, GuidText(pProjectGuid));
  if (host.Failing(hostFunction) || !IsActiveDatasource(host, hDatasource) || !pProjectGuid ||
      !pMonikerStr) {
    return 0;
  }
  if (!host.datasource().FindFolder(*pProjectGuid)) return 0;
  *pMonikerStr = host.NewMonikerText(BuiltMoniker(host.datasource().name, u'P', *pProjectGuid));
  return 1;
}

// Releases what the host allocated for the caller; a pointer that is not live is counted
// (emu_InvalidFreeCount) and refused.
EMU_HOSTAPI(HostBool) kelbase_qxApi_Free(HostHandle pointer) {
  HOST_CALL(qxApi_Free, pointer);
  return host.FreeMonikerText(pointer) ? 1 : 0;
}

// flags is accepted as the host's parser option word and otherwise ignored.
EMU_HOSTAPI(HostBool)
qxApi_StringsToMonikers(int32_t lCount, HostHandle* pMonikers,
                        const char16_t* const* sArrayMonikers, int16_t flags) {
  HOST_CALL(qxApi_StringsToMonikers, lCount, flags);
  if (host.Failing(hostFunction) || lCount <= 0 || !pMonikers || !sArrayMonikers) return 0;
  for (int32_t i = 0; i < lCount; ++i) {
    if (!sArrayMonikers[i]) return 0;
    std::optional<Host::Moniker> moniker = ParseMoniker(sArrayMonikers[i]);
    if (!moniker) return 0;
    pMonikers[i] = host.NewMoniker(std::move(*moniker));
  }
  return 1;
}

EMU_HOSTAPI(const char16_t*) qxApi_GetDatasourceNameFromMoniker(HostHandle hMoniker) {
  HOST_CALL(qxApi_GetDatasourceNameFromMoniker, hMoniker);
  const Host::Moniker* moniker = host.FindMoniker(hMoniker);
  if (host.Failing(hostFunction) || !moniker) return nullptr;
  return host.HostText(hostFunction, moniker->datasource);
}

// Pointers to the GUID inside the parsed moniker, null for a moniker of the other kind.
EMU_HOSTAPI(HostHandle) qxApi_GetDocumentGuidFromMoniker(HostHandle hMoniker) {
  HOST_CALL(qxApi_GetDocumentGuidFromMoniker, hMoniker);
  const Host::Moniker* moniker = host.FindMoniker(hMoniker);
  if (host.Failing(hostFunction) || !moniker || !moniker->document) return 0;
  return reinterpret_cast<HostHandle>(&moniker->guid);
}

EMU_HOSTAPI(HostHandle) qxApi_GetProjectGuidFromMoniker(HostHandle hMoniker) {
  HOST_CALL(qxApi_GetProjectGuidFromMoniker, hMoniker);
  const Host::Moniker* moniker = host.FindMoniker(hMoniker);
  if (host.Failing(hostFunction) || !moniker || moniker->document) return 0;
  return reinterpret_cast<HostHandle>(&moniker->guid);
}

// An unknown GUID gives an empty buffer, a failure none.
EMU_HOSTAPI(HostHandle) qxApi_GUIDSelectProjectDataBuffer(const Guid* projGuid) {
  HOST_CALL(qxApi_GUIDSelectProjectDataBuffer, GuidText(projGuid));
  if (host.Failing(hostFunction) || !projGuid) return 0;
  std::vector<const Folder*> rows;
  if (const Folder* folder = host.datasource().FindFolder(*projGuid)) rows.push_back(folder);
  return host.NewFolderBuffer(std::move(rows));
}

EMU_HOSTAPI(int32_t)
qxApi_DmsDataBufferGetNumericProperty(HostHandle hDataBuffer, int32_t lPropertyId,
                                      int32_t lIdxRow) {
  HOST_CALL(qxApi_DmsDataBufferGetNumericProperty, hDataBuffer, lPropertyId, lIdxRow);
  if (host.Failing(hostFunction) || lIdxRow < 0) return 0;
  if (const auto* rows = host.FolderBuffer(hDataBuffer)) {
    if (lIdxRow >= int32_t(rows->size())) return 0;
    return lPropertyId == kProjectId ? (*rows)[size_t(lIdxRow)]->id : 0;
  }
  if (const auto* rows = host.DocumentBuffer(hDataBuffer)) {
    if (lIdxRow >= int32_t(rows->size())) return 0;
    const Document& document = *(*rows)[size_t(lIdxRow)];
    switch (lPropertyId) {
      case 1:  // DocumentProperty::ID
        return document.id;
      case 29:  // DocumentProperty::ProjectID
        return document.projectId;
      default:
        return 0;
    }
  }
  return 0;
}
