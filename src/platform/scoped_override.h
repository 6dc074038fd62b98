// A test's replacement for one platform seam, active while the ScopedOverride lives.
//
//   platform::InMemoryRegistry registry;
//   platform::ScopedOverride<platform::Registry> scope(registry);
//   ... the library now reads this registry on every thread ...
//
// The seam's own code asks ScopedOverride<T>::Current() and falls back to the system's
// facility when it is null. Overrides nest; each restores the one it replaced. T may be an
// interface (a registry, an environment) or a plain struct of values (module file names).
#pragma once

#include <atomic>

namespace Tarnwick::platform {

template <typename T>
class ScopedOverride {
 public:
  explicit ScopedOverride(T& replacement) : previous_(Slot().exchange(&replacement)) {}
  ~ScopedOverride() { Slot().store(previous_); }
  ScopedOverride(const ScopedOverride&) = delete;
  ScopedOverride& operator=(const ScopedOverride&) = delete;

  static T* Current() { return Slot().load(); }

 private:
  static std::atomic<T*>& Slot() {
    static std::atomic<T*> slot{nullptr};
    return slot;
  }

  T* previous_;
};

}  // namespace Tarnwick::platform
