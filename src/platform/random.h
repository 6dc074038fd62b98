// Cryptographically strong random bytes: BCryptGenRandom with the system's preferred generator
// on Windows, getrandom on Linux.
//
//   uint8_t bytes[16];
//   platform::FillRandomBytes(bytes, sizeof bytes);  // throws Tarnwick::Error if the system fails
//
// Tests feed chosen bytes through ScopedOverride<RandomSource>.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/scoped_override.h"

namespace Tarnwick::platform {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void Fill(uint8_t* bytes, size_t count) = 0;
};

namespace detail {
void FillSystemRandomBytes(uint8_t* bytes, size_t count);  // one per platform folder
}  // namespace detail

inline void FillRandomBytes(uint8_t* bytes, size_t count) {
  if (RandomSource* source = ScopedOverride<RandomSource>::Current())
    return source->Fill(bytes, count);
  detail::FillSystemRandomBytes(bytes, count);
}

}  // namespace Tarnwick::platform
