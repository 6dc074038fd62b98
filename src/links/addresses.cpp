#include "tarnwick/addresses.h"

#include <optional>

#include "links/active_datasource.h"
#include "tarnwick/ov_host_api.h"

namespace Tarnwick::OvWrapper {

std::optional<std::u16string> detail::ActiveDatasourceName() {
  constexpr int32_t kDatasourceNameSize = 1024;
  char16_t name[kDatasourceNameSize] = {};
  if (!qxApi_GetActiveDatasourceName(name, kDatasourceNameSize)) return std::nullopt;
  name[kDatasourceNameSize - 1] = u'\0';  // a host that filled the buffer to the brim
  return std::u16string(name);
}

namespace {

using detail::ActiveDatasourceName;

// "ov://{0}/Documents/D{1}" with the GUID text in braces.
std::u16string DocumentMoniker(std::u16string_view datasource, std::u16string_view guidText) {
  std::u16string moniker = u"ov://";
  moniker.append(datasource).append(u"/Documents/D{").append(guidText) += u'}';
  return moniker;
}

}  // namespace

std::u16string GetDocumentURL(int32_t iProjectId, int32_t iDocId) {
  std::optional<std::u16string> datasource = ActiveDatasourceName();
  if (!datasource) return {};
  return DocumentMoniker(*datasource, GetGuidStringFromIds(iProjectId, iDocId));
}

std::u16string GetDocumentURL(const Guid& docGuid) {
  std::optional<std::u16string> datasource = ActiveDatasourceName();
  if (!datasource) return {};
  return DocumentMoniker(*datasource, docGuid.ToString());
}

std::u16string GetDocumentURL(int32_t iProjectId, int32_t iDocId, std::u16string_view sDSName) {
  return DocumentMoniker(sDSName, GetGuidStringFromIds(iProjectId, iDocId));
}

std::u16string GetDocumentURL(const Guid& docGuid, std::u16string_view sDSName) {
  return DocumentMoniker(sDSName, docGuid.ToString());
}

std::u16string GetProjectURL(int32_t iProjectId) {
  // Unlike a document address, the GUID is asked for first: an unknown folder gives empty
  // without a datasource lookup.
  Guid guid;
  if (!qxApi_GetProjectGUIDsByIds(1, &iProjectId, &guid)) return {};
  std::optional<std::u16string> datasource = ActiveDatasourceName();
  if (!datasource) return {};
  std::u16string moniker = u"ov://";
  moniker.append(*datasource).append(u"/Documents/P{").append(guid.ToString()).append(u"}/");
  return moniker;
}

std::u16string GetGuidStringFromIds(int32_t iProjectId, int32_t iDocId) {
  QxDocItem item{iProjectId, iDocId};
  Guid guid;
  if (!qxApi_GetDocumentGUIDsByIds(1, &item, &guid)) return {};
  return guid.ToString();
}

std::u16string GetProjectGuidStringFromId(int32_t iProjectId) {
  Guid guid;
  if (!qxApi_GetProjectGUIDsByIds(1, &iProjectId, &guid)) return {};
  return guid.ToString();
}

bool GetIdsFromGuidString(std::u16string_view sDocGuid, int32_t& iProjId, int32_t& iDocId) {
  Guid guid = Guid::Parse(sDocGuid);
  QxDocItem item{};
  if (!qxApi_GetDocumentIdsByGUIDs(1, &guid, &item)) return false;
  iProjId = item.lProjectId;
  iDocId = item.lDocumentId;
  return true;
}

}  // namespace Tarnwick::OvWrapper
