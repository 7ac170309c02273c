#include "import/Messungsimport.h"

#include <optional>

#include "calc/Format.h"
#include "doc/Dateizugriff.h"
#include "doc/Messdatenblock.h"
#include "import/Arbeitsmappe.h"
#include "import/Ratenimport.h"
#include "import/Tabellenimport.h"

namespace zelvor {

Messungsimport MessungenAusInhalt(std::string_view roh, bool kopfdruck) {
  Messungsimport r;
  r.geoeffnet = true;
  if (roh.size() > MAX_IMPORTDATEI) {
    r.meldung = Formatiere("Die Daten sind gr\xC3\xB6\xC3\x9F" "er als %d MB; sie werden nicht gelesen.",
                           static_cast<int>(MAX_IMPORTDATEI / (1024 * 1024)));
    return r;
  }
  const std::optional<std::string> utf8 = Utf16NachUtf8(roh);
  const std::string_view inhalt = utf8 ? std::string_view(*utf8) : roh;
  Tabelle t;
  if (IstZipArchiv(inhalt)) {
    if (std::string fehler = ArbeitsmappeLesen(inhalt, t); !fehler.empty()) {
      r.meldung = std::move(fehler);
      return r;
    }
  } else {
    // A survey file is short and often blank-separated, as a rate file is.
    t = TextAlsTabelle(inhalt, true, 2);
  }
  const Tabellenwerte w = TabellenwerteLesen(t, 2, "Messungen");
  if (!w.uebernommen) {
    r.meldung = w.meldung;
    return r;
  }
  for (std::size_t i = 0; i < w.werte.size(); ++i) {
    Schliessdruckmessung m;
    m.datum = ZeilenDatum(w.daten, i);
    m.gp = w.werte[i][0];
    m.druck = w.werte[i][1];
    m.art = kopfdruck ? Messart::Kopf : Messart::Sohle;
    if (!MessungSinnvoll(m)) {
      r.messungen.clear();
      r.meldung = Formatiere("Die %zu. Messung hat keinen g\xC3\xBCltigen Wert: %s.", i + 1, MessungsgrenzenText().c_str());
      return r;
    }
    r.messungen.push_back(m);
  }
  r.uebernommen = true;
  r.status = Formatiere("%d Messungen wurden eingelesen", static_cast<int>(r.messungen.size()));
  return r;
}

Messungsimport MessungenLesen(const std::string& pfad, bool kopfdruck) {
  std::vector<unsigned char> inhalt;
  if (std::string fehler = DateiLesen(pfad, inhalt, MAX_IMPORTDATEI); !fehler.empty()) {
    Messungsimport r;
    r.geoeffnet = false;
    r.meldung = std::move(fehler);
    return r;
  }
  return MessungenAusInhalt(std::string_view(reinterpret_cast<const char*>(inhalt.data()), inhalt.size()), kopfdruck);
}

Messungstabelle MessungenAusZeilen(const std::vector<Messungszeile>& zeilen) {
  Messungstabelle t;
  const auto leer = [](const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; };
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    const Messungszeile& z = zeilen[i];
    if (leer(z.datum) && leer(z.gp) && leer(z.druck)) continue;
    Schliessdruckmessung m;
    m.art = z.kopf ? Messart::Kopf : Messart::Sohle;
    const auto ablehnen = [&](const char* was) {
      t.messungen.clear();
      t.meldung = Formatiere("Zeile %zu: %s", i + 1, was);
      return t;
    };
    if (!leer(z.datum)) {
      m.datum = DatumLesen(z.datum);
      if (!m.datum) return ablehnen("das Datum ist kein gültiges Datum (TT.MM.JJJJ, Jahre 1900 bis 2199).");
    }
    if (!ZelleAlsZahl(z.gp, Dezimalzeichen::Beide, m.gp)) return ablehnen("Gp ist keine Zahl.");
    if (!ZelleAlsZahl(z.druck, Dezimalzeichen::Beide, m.druck)) return ablehnen("der Druck ist keine Zahl.");
    if (!MessungSinnvoll(m)) return ablehnen((MessungsgrenzenText() + ".").c_str());
    if (t.messungen.size() == MAX_MESSUNGEN) return ablehnen("mehr Messungen, als eine Bohrung halten kann.");
    t.messungen.push_back(m);
  }
  return t;
}

Messungszeile MessungAlsZeile(const Schliessdruckmessung& m) {
  return {m.datum ? DatumText(*m.datum) : std::string(), Formatiere("%.3f", static_cast<double>(m.gp)),
          Formatiere("%.2f", static_cast<double>(m.druck)), m.art == Messart::Kopf};
}

}  // namespace zelvor
