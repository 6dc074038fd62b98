// Document and folder addresses: Orvane monikers and GUID text for host items.
//
//   OvWrapper::GetDocumentURL(7, 42);
//     // u"ov://archive:Main/Documents/D{0f8fad5b-d9cb-469f-a165-70867728950e}"
//   OvWrapper::GetProjectURL(3);
//     // u"ov://archive:Main/Documents/P{16fd2706-8baf-433b-82eb-8c7fada847da}/"
//
// Host failures give empty text (or false); a document whose GUID lookup fails still gets a
// moniker, with empty braces. Only GetIdsFromGuidString throws: Tarnwick::FormatError for a
// text that is not a GUID.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tarnwick/guid.h"

namespace Tarnwick::OvWrapper {

// The moniker of a document, from the active datasource (empty when its name cannot be read)
// or from the datasource named by sDSName.
std::u16string GetDocumentURL(int32_t iProjectId, int32_t iDocId);
std::u16string GetDocumentURL(const Guid& docGuid);
std::u16string GetDocumentURL(int32_t iProjectId, int32_t iDocId, std::u16string_view sDSName);
std::u16string GetDocumentURL(const Guid& docGuid, std::u16string_view sDSName);  // no host call

// The moniker of a folder, ending in "/"; empty when its GUID or the datasource name cannot be
// read.
std::u16string GetProjectURL(int32_t iProjectId);

std::u16string GetGuidStringFromIds(int32_t iProjectId, int32_t iDocId);
std::u16string GetProjectGuidStringFromId(int32_t iProjectId);

// Sets both ids and returns true when the host knows the document; leaves them untouched and
// returns false otherwise.
bool GetIdsFromGuidString(std::u16string_view sDocGuid, int32_t& iProjId, int32_t& iDocId);

}  // namespace Tarnwick::OvWrapper
