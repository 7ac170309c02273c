// The lock states on Windows: the low bit of GetKeyState is the key's toggle state.
#include <windows.h>

#include "app/Sperrtasten.h"

namespace zelvor {

std::optional<Sperrtastenzustand> SperrtastenLesen() {
  return Sperrtastenzustand{(::GetKeyState(VK_CAPITAL) & 1) != 0, (::GetKeyState(VK_NUMLOCK) & 1) != 0,
                            (::GetKeyState(VK_SCROLL) & 1) != 0};
}

}  // namespace zelvor
