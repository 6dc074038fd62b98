// Monikers that the host builds and reads, and web links that open an item through a web page.
//
//   OvWrapper::GetMonikerStringFromDocumentIds(3, 1);  // the host's moniker text, or empty
//   OvWrapper::GetDocumentWebLink(u"https://dms/Open.aspx", 3, 1, WebLinkActions::View);
//     // u"https://dms/Open.aspx?location=archive%3aMain&link=ov%3a%2f%2f...&action=DM_View"
//
// A web link is "{page}?location={datasource}&link={moniker}" with both parameters form-encoded
// (UTF-8, lower-case hex, space as "+"), then the action's suffix: Open "&action=DM_Open",
// OpenReadOnly "&action=DM_Open_ReadOnly", View "&action=DM_View", Markup "&action=DM_Redline",
// None or any other value nothing.
//
// Host failures give empty text, 0 or false. The moniker builders and readers catch what goes
// wrong inside them (a malformed GUID text included) and write "Error: ..." to the debug
// output; nothing they catch reaches the caller. Every moniker text the host builds is released
// with qxApi_Free before the call returns.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tarnwick/guid.h"
#include "tarnwick/ov_enums.h"

namespace Tarnwick::OvWrapper {

// Host-built monikers of the active datasource; empty on failure.
std::u16string GetMonikerStringFromDocumentGuid(const Guid& docGuid);
std::u16string GetMonikerStringFromProjectGuid(const Guid& projGuid);
std::u16string GetMonikerStringFromDocumentGuidString(std::u16string_view sDocGuid);
std::u16string GetMonikerStringFromProjectGuidString(std::u16string_view sProjGuid);
// The GUID lookups of these two run before the error handling: an error they raise reaches
// the caller; an item the host does not know gives empty.
std::u16string GetMonikerStringFromDocumentIds(int32_t iProjectId, int32_t iDocumentId);
std::u16string GetMonikerStringFromProjectId(int32_t iProjectId);

// Monikers read back through the host's parser. When the host cannot name a moniker's
// datasource (an older client without the function), the name is cut from the text itself.
std::u16string GetDatasourceNameFromMonikerString(std::u16string_view sMoniker);
int32_t GetProjectIdFromMonikerString(std::u16string_view sMoniker);  // 0 on failure
// Sets both ids and returns true on success; leaves them untouched otherwise.
bool GetDocumentIdsFromMonikerString(std::u16string_view sMoniker, int32_t& iProjectId,
                                     int32_t& iDocumentId);

// Web links with the active datasource; empty when its name cannot be read. A moniker the host
// could not build leaves the link parameter empty.
std::u16string GetURNWebLink(std::u16string_view sWebAddressIncludingASPXName,
                             std::u16string_view sMoniker, WebLinkActions action);
std::u16string GetURNWebLink(std::u16string_view sWebAddressIncludingASPXName, int32_t iProjectId,
                             WebLinkActions action);
std::u16string GetURNWebLink(std::u16string_view sWebAddressIncludingASPXName, const Guid& docGuid,
                             WebLinkActions action);
std::u16string GetURNWebLink(std::u16string_view sWebAddressIncludingASPXName, int32_t iProjectId,
                             int32_t iDocumentId, WebLinkActions action);

// The link of a name path: moniker "ov://{sDatasource}/Documents/{sDocumentNamePath}". No host
// call.
std::u16string GetFormattedWebLink(std::u16string_view sWebAddressIncludingASPXName,
                                   std::u16string_view sDatasource,
                                   std::u16string_view sDocumentNamePath, WebLinkActions action);

// Name-path links: the folder's name path followed by "//" (no action), or the document's.
std::u16string GetProjectWebLink(std::u16string_view sWebAddressIncludingASPXName,
                                 int32_t iProjectId);
std::u16string GetDocumentWebLink(std::u16string_view sWebAddressIncludingASPXName,
                                  const Guid& docGuid, WebLinkActions action);
std::u16string GetDocumentWebLink(std::u16string_view sWebAddressIncludingASPXName,
                                  int32_t iProjectId, int32_t iDocumentId, WebLinkActions action);
std::u16string GetDocumentWebLink(std::u16string_view sWebAddressIncludingASPXName,
                                  std::u16string_view sDatasource, const Guid& docGuid,
                                  WebLinkActions action);
std::u16string GetDocumentWebLink(std::u16string_view sWebAddressIncludingASPXName,
                                  std::u16string_view sDatasource, int32_t iProjectId,
                                  int32_t iDocumentId, WebLinkActions action);

// The form encoding of GetMonikerStringFromDocumentIds.
std::u16string GetURLEncodedDocumentMoniker(int32_t iProjectId, int32_t iDocumentId);

}  // namespace Tarnwick::OvWrapper
