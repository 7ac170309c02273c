#include <string>

#include "calc/Format.h"
#include "doc/DokumentRueckgang.h"
#include "export/Exporttabellen.h"
#include "report/Rueckgangstext.h"

namespace zelvor {

std::vector<Exporttabelle> RueckgangTabellen(const CZelvorDoc& doc) {
  const Rueckgang r = DokumentRueckgang(doc);
  // An injection well has no decline to fit: no sheet, as for a well without dated lines.
  if (r.punkte.empty() || doc.m_bInjektion) return {};
  Exporttabelle t = Wertetabelle("Förderrückgang");
  const auto text = [&](const char* name, const std::string& wert) { t.zeilen.push_back({std::string(name), wert, std::monostate{}}); };
  const auto zahl = [&](const std::string& name, double wert, const char* einheit) {
    t.zeilen.push_back({name, wert, std::string(einheit)});
  };
  const auto bereich = [&](const char* name, const Schaetzwert& w, const char* einheit) {
    zahl(name, w.wert, einheit);
    if (!w.bereich) return;
    zahl(std::string(name) + ", 95 % unten", w.unten, einheit);
    zahl(std::string(name) + ", 95 % oben", w.oben, einheit);
  };
  text("Modell", RueckgangsmodellText(r.eingaben.modell));
  if (!r.Gemacht()) {
    text("Keine Anpassung", r.meldung);
    return {t};
  }
  text("Angepasst", r.eingaben.logarithmisch ? "kleinste Quadrate von ln q" : "kleinste Quadrate von q");
  text("Beginn des Zeitraums", DatumText(r.start));
  zahl("Angepasste Ratenzeilen", r.anzahl, "-");
  zahl("Ausgelassene Ausreißer", r.ausgelassen, "-");
  bereich("qi", r.qi, "m3/h");
  bereich("Di nominal", r.di, "1/Jahr");
  bereich("b", r.b, "-");
  bereich("Rückgang effektiv im 1. Jahr", {100 * r.effektiv.wert, 100 * r.effektiv.unten, 100 * r.effektiv.oben, r.effektiv.bereich}, "%");
  if (r.eingaben.modell == Rueckgangsmodell::Modifiziert) zahl("Endabfall nominal", r.kurve.dTerminal, "1/Jahr");
  zahl("Wirtschaftlichkeitsgrenze", r.eingaben.qGrenze, "m3/h");
  text("Letzte datierte Ratenzeile", DatumText(r.letzterTag));
  zahl("Gp der letzten datierten Ratenzeile", r.gpLetzte, "Mio m3");
  bereich("Restvolumen", r.rest, "Mio m3");
  bereich("EUR", r.eur, "Mio m3");
  if (r.grenzeErreicht) {
    text("Ende", RueckgangDatum(r.ende));
    text("Ende, 95 % früh", RueckgangDatum(r.endeFrueh));
    text("Ende, 95 % spät", RueckgangDatum(r.endeSpaet));
  } else {
    text("Ende", r.schonUnterGrenze ? "schon unter der Grenze" : Formatiere("nach %d", LETZTES_JAHR));
  }
  return {t};
}

}  // namespace zelvor
