#include "doc/DokumentAquifer.h"

#include <mutex>

#include "doc/CZelvorDoc.h"
#include "doc/DokumentAbgleich.h"

namespace zelvor {
namespace {

bool GleicheEreignisse(const std::vector<Aquiferereignis>& a, const std::vector<Aquiferereignis>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].tag != b[i].tag || a[i].gp != b[i].gp) return false;
  return true;
}

struct Schluessel {
  Aquiferdaten daten;
  Aquiferdatenlage lage;
  double initialdruck = 0, pzi = 0, bgi = 0, pca = 0, tca = 0, temperatur = 0, gStart = 0;

  bool operator==(const Schluessel& o) const {
    return daten == o.daten && GleicheEreignisse(lage.zeilen, o.lage.zeilen) &&
           GleicheEreignisse(lage.messungen, o.lage.messungen) && lage.pzGemessen == o.lage.pzGemessen &&
           initialdruck == o.initialdruck && pzi == o.pzi && bgi == o.bgi && pca == o.pca && tca == o.tca &&
           temperatur == o.temperatur && gStart == o.gStart;
  }
};

}  // namespace

Aquiferdatenlage AquiferdatenlageAus(const CZelvorDoc& doc, const Messbilanz& messungen) {
  Aquiferdatenlage l;
  for (std::size_t i = 0; i < doc.m_Lauf.punkte.size(); ++i)
    l.zeilen.push_back({ZeilenDatum(doc.m_RatenDatum, i), doc.m_Lauf.punkte[i].gp});
  if (messungen.Gemacht())
    for (const Messpunkt& p : messungen.punkte) {
      l.messungen.push_back({p.datum, p.gp});
      l.pzGemessen.push_back(p.pz);
    }
  return l;
}

Aquiferverlauf DokumentAquiferverlauf(const CZelvorDoc& doc) {
  Aquiferverlauf v;
  if (doc.m_Lauf.KeineAuswertung() || !(doc.m_Lauf.pzi > 0)) {
    v.meldung = KEINE_AUSWERTUNG;
    return v;
  }
  if (!doc.m_Aquifer.Gesetzt()) {
    v.meldung = "Die Bohrung hat kein Aquifermodell (Aquifer=keiner).";
    return v;
  }
  if (const std::string m = AquiferdatenPruefen(doc.m_Aquifer); !m.empty()) {
    v.meldung = m;
    return v;
  }
  const Aquiferdatenlage l = AquiferdatenlageAus(doc, DokumentMessbilanz(doc));
  return AquiferverlaufBerechnen(GasbilanzAus(doc.m_Lauf), doc.m_OGIP, doc.m_Aquifer, l.Alle());
}

std::optional<Aquiferstart> DokumentAquiferstart(const CZelvorDoc& doc, std::optional<Tag> start, double gpStart) {
  if (!doc.m_Aquifer.Gesetzt() || doc.m_Lauf.KeineAuswertung() || !(doc.m_Lauf.pzi > 0)) return std::nullopt;
  Aquiferstart s;
  if (const std::string m = AquiferdatenPruefen(doc.m_Aquifer); !m.empty()) {
    s.meldung = m;
    return s;
  }
  const Aquiferdatenlage l = AquiferdatenlageAus(doc, DokumentMessbilanz(doc));
  return AquiferstartBei(GasbilanzAus(doc.m_Lauf), doc.m_Lauf.ogip, doc.m_Aquifer, l.Alle(), start, gpStart);
}

Aquiferanpassung DokumentAquiferanpassung(const CZelvorDoc& doc) {
  Aquiferanpassung a;
  if (doc.m_Lauf.KeineAuswertung() || !(doc.m_Lauf.pzi > 0)) {
    a.meldung = KEINE_AUSWERTUNG;
    return a;
  }
  if (const std::string m = AquiferdatenPruefen(doc.m_Aquifer); doc.m_Aquifer.Gesetzt() && !m.empty()) {
    a.meldung = m;
    return a;
  }
  const Messbilanz mb = DokumentMessbilanz(doc);
  if (!mb.Gemacht()) {
    a.meldung = mb.meldung;
    return a;
  }
  Schluessel s;
  s.daten = doc.m_Aquifer;
  s.lage = AquiferdatenlageAus(doc, mb);
  const Laufdaten& l = doc.m_Lauf;
  s.initialdruck = l.initialdruck, s.pzi = l.pzi, s.bgi = l.bgi, s.pca = l.pca, s.tca = l.tca;
  s.temperatur = l.temperatur;
  s.gStart = mb.gerade.Gemacht() ? mb.gerade.g : static_cast<double>(doc.m_OGIP);
  static std::mutex schutz;
  static std::optional<std::pair<Schluessel, Aquiferanpassung>> zuletzt;
  {
    std::lock_guard<std::mutex> sperre(schutz);
    if (zuletzt && zuletzt->first == s) return zuletzt->second;
  }
  a = AquiferAnpassen(GasbilanzAus(l), s.daten, s.lage, s.gStart);
  std::lock_guard<std::mutex> sperre(schutz);
  zuletzt.emplace(std::move(s), a);
  return a;
}

std::optional<std::string> AquiferUebernehmen(CZelvorDoc& doc, const Aquiferanpassung& a) {
  if (!a.Gemacht()) return a.meldung;
  CZelvorDoc neu = doc;
  neu.m_Aquifer = a.daten;
  if (auto m = GasvorratUebernehmen(neu, a.g.wert)) return m;
  doc = std::move(neu);
  return std::nullopt;
}

}  // namespace zelvor
