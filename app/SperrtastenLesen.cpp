// The lock states from X11. Kept apart: Xlib's macros (KeyPress, None, Bool ...) clash with Qt's names.
#include <QGuiApplication>

#include "app/Sperrtasten.h"

#include <X11/XKBlib.h>

namespace zelvor {
namespace {

std::optional<bool> Anzeiger(Display* anzeige, const char* name) {
  const Atom atom = XInternAtom(anzeige, name, True);
  if (atom == None) return std::nullopt;
  Bool an = False;
  if (!XkbGetNamedIndicator(anzeige, atom, nullptr, &an, nullptr, nullptr)) return std::nullopt;
  return an != False;
}

}  // namespace

std::optional<Sperrtastenzustand> SperrtastenLesen() {
  const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* anzeige = x11 ? x11->display() : nullptr;
  if (!anzeige) return std::nullopt;
  const auto gross = Anzeiger(anzeige, "Caps Lock");
  const auto num = Anzeiger(anzeige, "Num Lock");
  const auto rollen = Anzeiger(anzeige, "Scroll Lock");
  if (!gross && !num && !rollen) return std::nullopt;
  return Sperrtastenzustand{gross.value_or(false), num.value_or(false), rollen.value_or(false)};
}

}  // namespace zelvor
