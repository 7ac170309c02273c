#include "doc/DokumentSpeicher.h"

#include "calc/Format.h"
#include "doc/CZelvorDoc.h"
#include "calc/Inventaraquifer.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentAquifer.h"
#include "doc/DokumentPrognose.h"

namespace zelvor {
namespace {

// The storage's first morning: the start day set, or the last rate line's date; why there is none.
std::optional<Tag> Speicherbeginn(const CZelvorDoc& doc, std::string& meldung) {
  const std::optional<Tag> letzte = ZeilenDatum(doc.m_RatenDatum, doc.m_Ratenzeilen.size() - 1);
  if (!doc.m_Speicher.start && !letzte)
    meldung = "Das Speicherjahr braucht ein Datum: die letzte Ratenzeile hat keines, und kein Beginn ist "
              "eingestellt (SpeicherStart).";
  return doc.m_Speicher.start ? doc.m_Speicher.start : letzte;
}

// The well's aquifer on the storage's first morning; nothing for a well without a model.
std::optional<Speicheraquifer> SpeicheraquiferAus(const CZelvorDoc& doc, std::optional<Tag> start, double gpStart) {
  if (!doc.m_Aquifer.Gesetzt()) return std::nullopt;
  Speicheraquifer a;
  a.modell = AquifermodellName(doc.m_Aquifer.modell);
  std::optional<Aquiferstart> s = DokumentAquiferstart(doc, start, gpStart);
  if (!s) {
    a.meldung = doc.m_Lauf.KeineAuswertung() ? KEINE_AUSWERTUNG : "Der Zustand des Aquifers lässt sich nicht berechnen.";
  } else if (!s->Gemacht()) {
    a.meldung = s->meldung;
  } else {
    a.start = std::move(s->fortschreibung);
  }
  return a;
}

}  // namespace

std::string SpeicherHinweis(const CZelvorDoc& doc) {
  if (!doc.m_bInjektion)
    return "Füllstände gibt es nur für Speicherbohrungen (Injektion): die Bohrung ist eine Förderbohrung.";
  if (!doc.m_Speicher.Gesetzt())
    return "Für Füllstände braucht die Speicherbohrung ihr Arbeitsgasvolumen und Kissengas "
           "(Bearbeiten > Förderprognose..., oder zelvor-cli set BOHRUNG.zlv SpeicherArbeitsgas=... SpeicherKissengas=...).";
  return "";
}

Speicherkennlinien DokumentKennlinien(const CZelvorDoc& doc, double schritt) {
  if (std::string h = SpeicherHinweis(doc); !h.empty()) {
    Speicherkennlinien k;
    k.meldung = std::move(h);
    return k;
  }
  std::optional<Speicheraquifer> aquifer;
  if (doc.m_Aquifer.Gesetzt() && !doc.m_Lauf.punkte.empty()) {
    // The curves start from the aquifer's state where the storage year does; a well without any date
    // (the pot needs none) from its last line.
    std::string ohneDatum;
    aquifer = SpeicheraquiferAus(doc, Speicherbeginn(doc, ohneDatum), doc.m_Lauf.punkte.back().gp);
  }
  return KennlinienBerechnen(doc.m_Lauf, PrognoseEingabenAus(doc.m_Lauf, doc.m_Prognose), doc.m_Speicher.Volumen(),
                             schritt, doc.m_Speicher.Grenzen(), aquifer ? &*aquifer : nullptr);
}

Speicherjahr DokumentSpeicherjahr(const CZelvorDoc& doc) {
  Speicherjahr s;
  s.meldung = SpeicherHinweis(doc);
  if (!s.Gemacht()) return s;
  if (doc.m_Lauf.punkte.empty()) {
    s.meldung = doc.m_Lauf.KeineAuswertung() ? KEINE_AUSWERTUNG : "Die Auswertung hat keine Ratenzeile ergeben.";
    return s;
  }
  const Speichereinstellungen& e = doc.m_Speicher;
  SpeicherjahrEingaben j;
  const std::optional<Tag> start = Speicherbeginn(doc, s.meldung);
  if (!start) return s;
  j.start = *start;
  j.gpStart = doc.m_Lauf.punkte.back().gp;
  j.qEinPlan = doc.m_Prognose.qInjektion;
  j.qAusPlan = e.qAusspeisung;
  j.einBeginn = e.einBeginn;
  j.einEnde = e.einEnde;
  j.ausBeginn = e.ausBeginn;
  j.ausEnde = e.ausEnde;
  j.ziele = e.Fuellziele();
  j.gesetzlich = e.ZieleGesetzlich();
  j.anlage = e.anlage;
  j.grenzen = e.Grenzen();
  j.brennwert = e.brennwert;
  const std::optional<Speicheraquifer> aquifer = SpeicheraquiferAus(doc, j.start, j.gpStart);
  return SpeicherjahrBerechnen(doc.m_Lauf, PrognoseEingabenAus(doc.m_Lauf, doc.m_Prognose), e.Volumen(), j,
                               aquifer ? &*aquifer : nullptr);
}

Inventarpruefung DokumentInventarpruefung(const CZelvorDoc& doc) {
  Inventarpruefung p;
  if (!doc.m_bInjektion || doc.m_Messungen.empty()) return p;
  const Messbilanz m = DokumentMessbilanz(doc);
  if (!m.Gemacht()) {
    p.meldung = m.meldung;
    return p;
  }
  std::vector<Inventarmessung> messungen;
  for (const Messpunkt& q : m.punkte)
    if (q.datum) messungen.push_back({*q.datum, q.gp, q.pz, q.pws});
  std::vector<std::pair<Tag, double>> verlauf;
  for (std::size_t i = 0; i < doc.m_Lauf.punkte.size(); ++i)
    if (const std::optional<Tag> t = ZeilenDatum(doc.m_RatenDatum, i)) verlauf.emplace_back(*t, doc.m_Lauf.punkte[i].gp);
  if (doc.m_Aquifer.Gesetzt()) {
    // With a model the water that has moved explains the seasonal swing.
    if (std::string f = AquiferdatenPruefen(doc.m_Aquifer); !f.empty()) {
      p.meldung = std::move(f);
      return p;
    }
    p = InventarPruefenMitAquifer(doc.m_Lauf, std::move(messungen), verlauf,
                                  {GasbilanzAus(doc.m_Lauf), doc.m_Aquifer, AquiferdatenlageAus(doc, m).zeilen});
  } else {
    p = InventarPruefen(doc.m_Lauf, std::move(messungen), verlauf);
  }
  if (p.punkte.size() < m.punkte.size() && p.Gemacht())
    p.satz += " (" + Anzahltext(static_cast<long long>(m.punkte.size() - p.punkte.size()), "Messung", "Messungen") +
              " ohne Datum nicht im Trend.)";
  return p;
}

}  // namespace zelvor
