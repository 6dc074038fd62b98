// Known answers for the stored-password texts and the login cache's credential hash.
//
// Computed outside this code base, with Debian 12's /usr/bin/python3 and its python3-cryptography
// 38 package (one vector also cross-checked with the openssl 3.0 command line, `openssl enc
// -des-ede3-cbc -K ... -iv ... -a`), by this script:
//
//   import base64, hashlib
//   from cryptography.hazmat.primitives.ciphers import Cipher, algorithms, modes
//   from cryptography.hazmat.primitives import padding
//   def th(text, n):
//       d = hashlib.sha1(text.encode('utf-16-le')).digest()
//       return bytes(d[i] if i < 19 else 0 for i in range(n))
//   def enc(ds, user, pw):
//       key = th(ds.lower() + '_' + user.lower(), 24)
//       p = padding.PKCS7(64).padder()
//       data = p.update(pw.encode('utf-16-le')) + p.finalize()
//       e = Cipher(algorithms.TripleDES(key), modes.CBC(th('', 8))).encryptor()
//       return base64.b64encode(e.update(data) + e.finalize()).decode()
//   def cred(ds, user, pw, schema, typename):
//       j = '_'.join([ds, user, pw, schema, typename])
//       return base64.b64encode(hashlib.md5(j.encode('utf-16-le')).digest()).decode()
//
// Python's str.lower() is locale-independent; the names below lower-case the same under any
// locale but the Turkish ones.
#pragma once

namespace Tarnwick::testing {

struct PasswordVector {
  const char16_t* dataSource;
  const char16_t* user;
  const char16_t* password;
  const char16_t* text;
};

inline constexpr PasswordVector kPasswordVectors[] = {
    {u"archive:Main", u"alice", u"Secret1", u"B29BgOIdf9/S41QMZOWCBw=="},
    // 8 characters: 16 plain bytes, a whole block of fill, 24 cipher bytes, 32 characters.
    {u"archive:Main", u"Bob", u"12345678", u"eGqZvwbxm0nCHTQTjq7Jqt7JJdIQfnUp"},
    {u"B\u00fcro-Archiv", u"J\u00fcrgen", u"Gr\u00fc\u00dfe\u20ac", u"Mu/y+LISLJzX+t/oGg9aaw=="},
    // A character outside the BMP: a surrogate pair in UTF-16.
    {u"archive:Main", u"alice", u"p\u00e4ss\U0001F511", u"+572p+vncddoj2R0NQP4wQ=="},
    {u"ORV", u"svc_batch", u"abcd", u"ks75d2tMIhpaXkllFIvDnA=="},
    {u"ORV", u"svc_batch", u"correct horse battery staple",
     u"vuoH2+Uall9/H/z98Wtb4u+TH0+8O88P5rUllLpQfG1bk4xPM6G3d4Or17vhsTn9GNf/agQdf+CpI23kAl+5Ew=="},
};

struct CredentialVector {
  const char16_t* dataSource;
  const char16_t* user;
  const char16_t* password;
  const char16_t* schema;
  const char16_t* typeName;
  const char16_t* hash;
};

inline constexpr CredentialVector kCredentialVectors[] = {
    {u"archive:Main", u"alice", u"Secret1", u"", u"Unknown", u"3z61ISXmiO6oHQzVMojXng=="},
    {u"archive:Main", u"alice", u"Secret1", u"", u"SqlServer", u"cwxRpy/i9alhAXMXG7c3gQ=="},
    {u"archive:Main", u"alice", u"Secret1", u"dbo", u"Unknown", u"9uaUmzl98+VpXWA0e6Szxw=="},
    {u"archive:Main", u"alice", u"Secret1", u"", u"99", u"HQu7cLta+so5yRthCL7Idg=="},
    {u"", u"", u"", u"", u"Unknown", u"WGoZGyX69Y+XQFPTGbz8+A=="},
    {u"B\u00fcro-Archiv", u"J\u00fcrgen", u"Gr\u00fc\u00dfe\u20ac", u"", u"Unknown",
     u"9+owyrAntI1rySDGMjaSQw=="},
};

}  // namespace Tarnwick::testing
