#include "doc/Schliessdruckmessung.h"

#include <algorithm>

#include "calc/Format.h"

namespace zelvor {

std::string SchliessdruckmessungText(const Schliessdruckmessung& m) {
  std::string t = Formatiere("%10.3f %10.1f %s", static_cast<double>(m.gp), static_cast<double>(m.druck),
                             m.art == Messart::Kopf ? "Kopf" : "Sohle");
  if (m.datum) t += "  " + DatumText(*m.datum);
  return t;
}

bool ZeilendatenGleich(const Zeilendaten& a, const Zeilendaten& b) {
  const std::size_t n = std::max(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i)
    if (ZeilenDatum(a, i) != ZeilenDatum(b, i)) return false;
  return true;
}

bool ZeilendatenVorhanden(const Zeilendaten& d) {
  return std::any_of(d.begin(), d.end(), [](const std::optional<Tag>& t) { return t.has_value(); });
}

}  // namespace zelvor
