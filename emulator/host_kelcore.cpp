// The emulator's kelcore.dll: datasources, folders, documents and data buffers, with the
// host's conventions (0 for failure, host-owned text until the next call of that getter, data
// buffers freed once, one current folder selection per process).
#include <cstring>
#include <string>
#include <string_view>

#include "emulator/datasource.h"
#include "emulator/host_api.h"
#include "emulator/host_call.h"
#include "emulator/host_sql.h"
#include "platform/text.h"

using namespace Tarnwick::Emulator;

namespace {

constexpr int32_t kDocumentName = 20;     // DocumentProperty::Name
constexpr int32_t kDocumentFileName = 21; // DocumentProperty::FileName
constexpr int32_t kDocumentDesc = 22;     // DocumentProperty::Desc
constexpr int32_t kProjectName = 12;      // ProjectProperty::Name
constexpr int32_t kDocumentGuid = 47;     // DocumentProperty::DocGuid
constexpr int32_t kDocumentProjectGuid = 48;  // DocumentProperty::ProjGuid

// 8-bit text as it came, for the call log: printable ASCII kept, every other byte as \xNN.
std::string Bytes(const char* text) {
  if (!text) return "null";
  std::string out = "\"";
  for (const char* c = text; *c; ++c) {
    auto byte = static_cast<unsigned char>(*c);
    if (byte >= 0x20 && byte < 0x7f && byte != '\\' && byte != '"') {
      out += char(byte);
    } else {
      static const char kHex[] = "0123456789abcdef";
      out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xf]};
    }
  }
  return out + "\"";
}

}  // namespace

EMU_HOSTAPI(HostBool) qxApi_Initialize(int32_t init) {
  HOST_CALL(qxApi_Initialize, init);
  return host.Failing(hostFunction) ? 0 : 1;
}

EMU_HOSTAPI(HostBool) qxApi_GetActiveDatasourceName(char16_t* lptstrName, int32_t lNameSize) {
  HOST_CALL(qxApi_GetActiveDatasourceName, lNameSize);
  const std::u16string& name = host.datasource().name;
  if (host.Failing(hostFunction) || !lptstrName || lNameSize <= int32_t(name.size())) return 0;
  std::memcpy(lptstrName, name.c_str(), (name.size() + 1) * sizeof(char16_t));
  return 1;
}

EMU_HOSTAPI(HostBool) qxApi_GetDocumentGUIDsByIds(int32_t lCount, const QxDocItem* pDocuments,
                                                   Guid* docGuids) {
  HOST_CALL(qxApi_GetDocumentGUIDsByIds, lCount,
            lCount > 0 && pDocuments ? pDocuments[0].lProjectId : 0,
            lCount > 0 && pDocuments ? pDocuments[0].lDocumentId : 0);
  if (host.Failing(hostFunction) || lCount <= 0 || !pDocuments || !docGuids) return 0;
  for (int32_t i = 0; i < lCount; ++i) {
    const Document* document =
        host.datasource().FindDocument(pDocuments[i].lProjectId, pDocuments[i].lDocumentId);
    if (!document) return 0;
    docGuids[i] = document->guid;
  }
  return 1;
}

EMU_HOSTAPI(HostBool) qxApi_GetDocumentIdsByGUIDs(int32_t lCount, const Guid* docGuids,
                                                   QxDocItem* pDocuments) {
  HOST_CALL(qxApi_GetDocumentIdsByGUIDs, lCount);
  if (host.Failing(hostFunction) || lCount <= 0 || !docGuids || !pDocuments) return 0;
  for (int32_t i = 0; i < lCount; ++i) {
    const Document* document = host.datasource().FindDocument(docGuids[i]);
    if (!document) return 0;
    pDocuments[i] = QxDocItem{document->projectId, document->id};
  }
  return 1;
}

EMU_HOSTAPI(HostBool) qxApi_GetProjectGUIDsByIds(int32_t lCount, const int32_t* pProjectIds,
                                                  Guid* docGuids) {
  HOST_CALL(qxApi_GetProjectGUIDsByIds, lCount, lCount > 0 && pProjectIds ? pProjectIds[0] : 0);
  if (host.Failing(hostFunction) || lCount <= 0 || !pProjectIds || !docGuids) return 0;
  for (int32_t i = 0; i < lCount; ++i) {
    const Folder* folder = host.datasource().FindFolder(pProjectIds[i]);
    if (!folder) return 0;
    docGuids[i] = folder->guid;
  }
  return 1;
}

// The GUIDs of the document whose file name (the part after the last backslash or slash, in the
// ANSI code page) is the given one.
EMU_HOSTAPI(HostBool) qxApi_GetGuidsFromFileName(const char* lpctstrFileName, Guid* pProjectGuid,
                                                  Guid* pDocumentGuid) {
  HOST_CALL(qxApi_GetGuidsFromFileName, Bytes(lpctstrFileName));
  if (host.Failing(hostFunction) || !lpctstrFileName || !pProjectGuid || !pDocumentGuid) return 0;
  std::string_view path(lpctstrFileName);
  std::string_view name = path.substr(path.find_last_of("\\/") + 1);
  for (const Document& document : host.datasource().documents) {
    if (Tarnwick::platform::ToAnsi(document.fileName) != name) continue;
    const Folder* folder = host.datasource().FindFolder(document.projectId);
    if (!folder) return 0;
    *pProjectGuid = folder->guid;
    *pDocumentGuid = document.guid;
    return 1;
  }
  return 0;
}

EMU_HOSTAPI(HostHandle) qxApi_SelectDocumentDataBuffer(int32_t lProjectId, int32_t lDocumentId) {
  HOST_CALL(qxApi_SelectDocumentDataBuffer, lProjectId, lDocumentId);
  // An unknown folder gives no buffer; an unknown document in a known folder an empty one.
  if (host.Failing(hostFunction) || !host.datasource().FindFolder(lProjectId)) return 0;
  std::vector<const Document*> rows;
  if (const Document* document = host.datasource().FindDocument(lProjectId, lDocumentId)) {
    rows.push_back(document);
  }
  return host.NewDocumentBuffer(std::move(rows));
}

EMU_HOSTAPI(int32_t) qxApi_DmsDataBufferGetCount(HostHandle hDataBuffer) {
  HOST_CALL(qxApi_DmsDataBufferGetCount, hDataBuffer);
  if (host.Failing(hostFunction)) return -1;
  if (const SqlResult* result = host.SqlBuffer(hDataBuffer)) return result->rows;
  if (const auto* rows = host.DocumentBuffer(hDataBuffer)) return int32_t(rows->size());
  if (const auto* rows = host.FolderBuffer(hDataBuffer)) return int32_t(rows->size());
  return -1;
}

EMU_HOSTAPI(const char16_t*)
    qxApi_DmsDataBufferGetStringProperty(HostHandle hDataBuffer, int32_t lPropertyId,
                                         int32_t lIdxRow) {
  HOST_CALL(qxApi_DmsDataBufferGetStringProperty, hDataBuffer, lPropertyId, lIdxRow);
  const auto* rows = host.DocumentBuffer(hDataBuffer);
  if (host.Failing(hostFunction) || !rows || lIdxRow < 0 || lIdxRow >= int32_t(rows->size())) {
    return nullptr;
  }
  const Document& document = *(*rows)[size_t(lIdxRow)];
  switch (lPropertyId) {
    case kDocumentName:
      return host.HostText(hostFunction, document.name);
    case kDocumentFileName:
      return host.HostText(hostFunction, document.fileName);
    case kDocumentDesc:
      return host.HostText(hostFunction, u"");
    default:
      return nullptr;
  }
}

// A pointer to the host's own copy of a document's GUID or its folder's, valid while the
// datasource lasts.
EMU_HOSTAPI(const Guid*)
    qxApi_DmsDataBufferGetGuidProperty(HostHandle hDataBuffer, int32_t lPropertyId, int32_t lIdxRow) {
  HOST_CALL(qxApi_DmsDataBufferGetGuidProperty, hDataBuffer, lPropertyId, lIdxRow);
  const auto* rows = host.DocumentBuffer(hDataBuffer);
  if (host.Failing(hostFunction) || !rows || lIdxRow < 0 || lIdxRow >= int32_t(rows->size())) {
    return nullptr;
  }
  const Document& document = *(*rows)[size_t(lIdxRow)];
  switch (lPropertyId) {
    case kDocumentGuid:
      return &document.guid;
    case kDocumentProjectGuid: {
      const Folder* folder = host.datasource().FindFolder(document.projectId);
      return folder ? &folder->guid : nullptr;
    }
    default:
      return nullptr;
  }
}

EMU_HOSTAPI(void) qxApi_DmsDataBufferFree(HostHandle hDataBuffer) {
  HOST_CALL(qxApi_DmsDataBufferFree, hDataBuffer);
  host.FreeBuffer(hDataBuffer);
}

EMU_HOSTAPI(int32_t) qxApi_SelectProject(int32_t lProjectId) {
  HOST_CALL(qxApi_SelectProject, lProjectId);
  auto& selection = host.projectSelection();
  selection.clear();
  if (host.Failing(hostFunction)) return 0;
  if (const Folder* folder = host.datasource().FindFolder(lProjectId)) selection.push_back(folder);
  return int32_t(selection.size());
}

EMU_HOSTAPI(const char16_t*) qxApi_GetProjectStringProperty(int32_t PropertyId, int32_t lIndex) {
  HOST_CALL(qxApi_GetProjectStringProperty, PropertyId, lIndex);
  const auto& selection = host.projectSelection();
  if (host.Failing(hostFunction) || lIndex < 0 || lIndex >= int32_t(selection.size())) {
    return nullptr;
  }
  const Folder& folder = *selection[size_t(lIndex)];
  switch (PropertyId) {
    case kProjectName:
      return host.HostText(hostFunction, folder.name);
    default:
      return nullptr;
  }
}
