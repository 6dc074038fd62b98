// Web links: a page address with the datasource and a moniker as form-encoded query values.
#include <optional>

#include "links/active_datasource.h"
#include "links/url_encoding.h"
#include "tarnwick/documents.h"
#include "tarnwick/web_links.h"

namespace Tarnwick::OvWrapper {
namespace {

std::u16string_view ActionSuffix(WebLinkActions action) {
  switch (action) {
    case WebLinkActions::Open:
      return u"&action=DM_Open";
    case WebLinkActions::OpenReadOnly:
      return u"&action=DM_Open_ReadOnly";
    case WebLinkActions::View:
      return u"&action=DM_View";
    case WebLinkActions::Markup:
      return u"&action=DM_Redline";
    default:  // None, and values the enumeration does not name
      return u"";
  }
}

std::u16string WebLink(std::u16string_view page, std::u16string_view datasource,
                       std::u16string_view moniker, WebLinkActions action) {
  std::u16string link(page);
  link.append(u"?location=").append(detail::UrlEncode(datasource));
  link.append(u"&link=").append(detail::UrlEncode(moniker));
  link.append(ActionSuffix(action));
  return link;
}

std::u16string NamePathMoniker(std::u16string_view datasource, std::u16string_view namePath) {
  std::u16string moniker = u"ov://";
  moniker.append(datasource).append(u"/Documents/").append(namePath);
  return moniker;
}

// The moniker is made after the datasource name is read, as the host sees the calls.
template <typename MakeMoniker>
std::u16string ActiveDatasourceLink(std::u16string_view page, MakeMoniker makeMoniker,
                                    WebLinkActions action) {
  const std::optional<std::u16string> datasource = detail::ActiveDatasourceName();
  if (!datasource) return {};
  return WebLink(page, *datasource, makeMoniker(*datasource), action);
}

}  // namespace

std::u16string GetURNWebLink(std::u16string_view sWebAddressIncludingASPXName,
                             std::u16string_view sMoniker, WebLinkActions action) {
  return ActiveDatasourceLink(
      sWebAddressIncludingASPXName, [&](const std::u16string&) { return std::u16string(sMoniker); },
      action);
}

std::u16string GetURNWebLink(std::u16string_view sWebAddressIncludingASPXName, int32_t iProjectId,
                             WebLinkActions action) {
  return GetURNWebLink(sWebAddressIncludingASPXName, GetMonikerStringFromProjectId(iProjectId),
                       action);
}

std::u16string GetURNWebLink(std::u16string_view sWebAddressIncludingASPXName, const Guid& docGuid,
                             WebLinkActions action) {
  return GetURNWebLink(sWebAddressIncludingASPXName, GetMonikerStringFromDocumentGuid(docGuid),
                       action);
}

std::u16string GetURNWebLink(std::u16string_view sWebAddressIncludingASPXName, int32_t iProjectId,
                             int32_t iDocumentId, WebLinkActions action) {
  return GetURNWebLink(sWebAddressIncludingASPXName,
                       GetMonikerStringFromDocumentIds(iProjectId, iDocumentId), action);
}

std::u16string GetFormattedWebLink(std::u16string_view sWebAddressIncludingASPXName,
                                   std::u16string_view sDatasource,
                                   std::u16string_view sDocumentNamePath, WebLinkActions action) {
  return WebLink(sWebAddressIncludingASPXName, sDatasource,
                 NamePathMoniker(sDatasource, sDocumentNamePath), action);
}

std::u16string GetProjectWebLink(std::u16string_view sWebAddressIncludingASPXName,
                                 int32_t iProjectId) {
  const std::optional<std::u16string> datasource = detail::ActiveDatasourceName();
  if (!datasource) return {};
  return GetFormattedWebLink(sWebAddressIncludingASPXName, *datasource,
                             GetProjectNamePath(iProjectId) + u"//", WebLinkActions::None);
}

std::u16string GetDocumentWebLink(std::u16string_view sWebAddressIncludingASPXName,
                                  const Guid& docGuid, WebLinkActions action) {
  const std::optional<std::u16string> datasource = detail::ActiveDatasourceName();
  if (!datasource) return {};
  return GetDocumentWebLink(sWebAddressIncludingASPXName, *datasource, docGuid, action);
}

std::u16string GetDocumentWebLink(std::u16string_view sWebAddressIncludingASPXName,
                                  int32_t iProjectId, int32_t iDocumentId, WebLinkActions action) {
  const std::optional<std::u16string> datasource = detail::ActiveDatasourceName();
  if (!datasource) return {};
  return GetDocumentWebLink(sWebAddressIncludingASPXName, *datasource, iProjectId, iDocumentId,
                            action);
}

std::u16string GetDocumentWebLink(std::u16string_view sWebAddressIncludingASPXName,
                                  std::u16string_view sDatasource, const Guid& docGuid,
                                  WebLinkActions action) {
  return GetFormattedWebLink(sWebAddressIncludingASPXName, sDatasource,
                             GetDocumentNamePath(docGuid), action);
}

std::u16string GetDocumentWebLink(std::u16string_view sWebAddressIncludingASPXName,
                                  std::u16string_view sDatasource, int32_t iProjectId,
                                  int32_t iDocumentId, WebLinkActions action) {
  return GetFormattedWebLink(sWebAddressIncludingASPXName, sDatasource,
                             GetDocumentNamePath(iProjectId, iDocumentId), action);
}

std::u16string GetURLEncodedDocumentMoniker(int32_t iProjectId, int32_t iDocumentId) {
  return detail::UrlEncode(GetMonikerStringFromDocumentIds(iProjectId, iDocumentId));
}

}  // namespace Tarnwick::OvWrapper
