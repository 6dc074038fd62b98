// The login cache's key: MD5 over the joined credentials, as Base64.
#include "session/credential_hash.h"

#include <string>

#include "platform/crypto.h"
#include "platform/text.h"
#include "session/utf16le.h"

namespace Tarnwick::OvWrapper {

std::u16string GetCredentialHash(std::u16string_view sDSTypeName,
                                 std::u16string_view lptstrDataSource,
                                 std::u16string_view lpctstrUsername,
                                 std::u16string_view lpctstrPassword,
                                 std::u16string_view lpctstrSchema) {
  std::u16string joined;
  for (std::u16string_view part :
       {lptstrDataSource, lpctstrUsername, lpctstrPassword, lpctstrSchema}) {
    joined += part;
    joined += u'_';
  }
  joined += sDSTypeName;
  return platform::FromAscii(
      platform::ToBase64(platform::Md5(session::Utf16LeView(joined).bytes())));
}

std::u16string DataSourceTypeName(DataSourceType type) {
  switch (type) {
#define TW_TYPE_NAME(member)     \
  case DataSourceType::member: \
    return u"" #member;
    TW_TYPE_NAME(Unknown)
    TW_TYPE_NAME(RIS)
    TW_TYPE_NAME(ODBC)
    TW_TYPE_NAME(Informix)
    TW_TYPE_NAME(Ingres)
    TW_TYPE_NAME(Oracle)
    TW_TYPE_NAME(SqlAnywhere)
    TW_TYPE_NAME(SqlServer)
    TW_TYPE_NAME(Sybase)
    TW_TYPE_NAME(DB2)
    TW_TYPE_NAME(Optinet)
    TW_TYPE_NAME(Solid)
    TW_TYPE_NAME(ODBC_Informix)
    TW_TYPE_NAME(ODBC_Ingres)
    TW_TYPE_NAME(ODBC_Oracle)
    TW_TYPE_NAME(ODBC_SqlAnywhere)
    TW_TYPE_NAME(ODBC_SqlServer)
    TW_TYPE_NAME(ODBC_Sybase)
    TW_TYPE_NAME(ODBC_DB2)
    TW_TYPE_NAME(ODBC_Solid)
#undef TW_TYPE_NAME
  }
  return platform::FromAscii(std::to_string(static_cast<int32_t>(type)));
}

std::u16string GetCredentialHash(DataSourceType lDSType, std::u16string_view lptstrDataSource,
                                 std::u16string_view lpctstrUsername,
                                 std::u16string_view lpctstrPassword,
                                 std::u16string_view lpctstrSchema) {
  return GetCredentialHash(DataSourceTypeName(lDSType), lptstrDataSource, lpctstrUsername,
                           lpctstrPassword, lpctstrSchema);
}

}  // namespace Tarnwick::OvWrapper
