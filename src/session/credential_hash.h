// The key of the login cache: one short text per set of login credentials.
//
//   OvWrapper::GetCredentialHash(u"Unknown", u"archive:Main", u"alice", u"Secret1", u"");
//     // u"3z61ISXmiO6oHQzVMojXng=="
//
// Standard Base64 (24 characters) of the MD5 digest of the UTF-16LE bytes of
// "{data source}_{user}_{password}_{schema}_{type name}". The type name is the DataSourceType
// member name of the login's type ("Unknown" for 0, "SqlServer" for 7), or the value in decimal
// digits when no member has it; the caller passes it. A null text is passed as empty text. The
// hash only keys the in-process cache and is never written anywhere.
#pragma once

#include <string>
#include <string_view>

#include "tarnwick/ov_enums.h"

namespace Tarnwick::OvWrapper {

std::u16string GetCredentialHash(std::u16string_view sDSTypeName,
                                 std::u16string_view lptstrDataSource,
                                 std::u16string_view lpctstrUsername,
                                 std::u16string_view lpctstrPassword,
                                 std::u16string_view lpctstrSchema);

// The same with the type's name made from its value, as the login cache keys its entries.
std::u16string GetCredentialHash(DataSourceType lDSType, std::u16string_view lptstrDataSource,
                                 std::u16string_view lpctstrUsername,
                                 std::u16string_view lpctstrPassword,
                                 std::u16string_view lpctstrSchema);

// "Unknown", "SqlServer", ...; the value in decimal digits when no member has it.
std::u16string DataSourceTypeName(DataSourceType type);

}  // namespace Tarnwick::OvWrapper
