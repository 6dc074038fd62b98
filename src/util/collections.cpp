// The comparator of the locale-sorted lists, over the platform's locale rules.
#include "tarnwick/collections.h"
#include "platform/locale_text.h"

namespace Tarnwick {

bool LocaleCaseInsensitiveLess::operator()(std::u16string_view a, std::u16string_view b) const {
  return platform::CompareIgnoreCaseLocale(a, b) < 0;
}

}  // namespace Tarnwick
