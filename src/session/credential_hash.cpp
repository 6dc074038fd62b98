// The login cache's key: MD5 over the joined credentials, as Base64.
#include "session/credential_hash.h"

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

}  // namespace Tarnwick::OvWrapper
