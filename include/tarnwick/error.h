// The exceptions that Tarnwick lets reach its callers.
//
// Most operations report failure through their result (false, 0, -1, empty text). Where an
// error does reach the caller it is one of the types below, all derived from Tarnwick::Error,
// so a caller may catch the one kind it handles or Tarnwick::Error for all of them:
//
//   try { OvWrapper::GetIdsFromGuidString(text, projectId, docId); }
//   catch (const Tarnwick::FormatError& e) { ... }
//
// No exception ever leaves an exported C function or a host callback.
#pragma once

#include <stdexcept>
#include <string>

namespace Tarnwick {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that should hold a GUID, a number or a message template does not.
class FormatError : public Error {
 public:
  using Error::Error;
};

// A host library or one of its entry points cannot be bound.
class HostBindingError : public Error {
 public:
  enum class Reason {
    LibraryNotFound,    // no file of that name on the search path
    WrongArchitecture,  // the file is built for another processor
    LibraryNotLoaded,   // found, but it failed to load for another reason
    EntryPointMissing,  // the library does not export the name
  };
  HostBindingError(Reason reason, const std::string& message) : Error(message), reason_(reason) {}
  Reason reason() const { return reason_; }
  // True when the library could not be loaded at all: the case the binding's start-up
  // answers by looking for the client's installation.
  bool IsLibraryUnavailable() const {
    return reason_ == Reason::LibraryNotFound || reason_ == Reason::WrongArchitecture;
  }

 private:
  Reason reason_;
};

// Encrypted data that does not decrypt: a cipher of the wrong length, fill bytes that do not
// check out (a wrong key or a damaged text), or the platform's cipher refusing the input.
class CryptographicError : public Error {
 public:
  using Error::Error;
};

// A host function gave no result where the binding must hand one on: a GUID getter's null
// pointer, which has no GUID to copy.
class HostResultError : public Error {
 public:
  using Error::Error;
};

// The clipboard stayed held by another program through every retry.
class ClipboardError : public Error {
 public:
  using Error::Error;
};

// A keyed collection refused a row or entry whose key it already holds (for an in-memory
// table: a second row with the same primary-key value).
class DuplicateKeyError : public Error {
 public:
  using Error::Error;
};

}  // namespace Tarnwick
