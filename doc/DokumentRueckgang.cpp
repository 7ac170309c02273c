#include "doc/DokumentRueckgang.h"

#include "doc/CZelvorDoc.h"
#include "doc/Ratenzeile.h"

namespace zelvor {

std::vector<Rueckgangspunkt> Rueckgangspunkte(const CZelvorDoc& doc) {
  std::vector<Rueckgangspunkt> p;
  for (std::size_t i = 0; i < doc.m_Ratenzeilen.size(); ++i) {
    const std::optional<Tag> datum = ZeilenDatum(doc.m_RatenDatum, i);
    float gp = 0, rate = 0, druck = 0;
    if (!datum || RatenzeileScannen(doc.m_Ratenzeilen[i], gp, rate, druck) < 2) continue;
    p.push_back({static_cast<int>(i + 1), *datum, gp, rate});
  }
  return p;
}

RueckgangEingaben RueckgangEingabenAus(const CZelvorDoc& doc, const Rueckgangseinstellungen& e) {
  RueckgangEingaben r;
  r.modell = e.modell;
  r.ab = e.ab;
  r.qGrenze = e.qGrenze > 0.0f ? e.qGrenze : doc.m_Prognose.qEnde;
  r.endabfall = e.endabfall / 100.0;
  r.ausreisser.assign(e.ausreisser.begin(), e.ausreisser.end());
  r.injektion = doc.m_bInjektion != 0;
  return r;
}

Rueckgang DokumentRueckgang(const CZelvorDoc& doc) { return DokumentRueckgang(doc, doc.m_Rueckgang); }

Rueckgang DokumentRueckgang(const CZelvorDoc& doc, const Rueckgangseinstellungen& e) {
  return RueckgangAnpassen(Rueckgangspunkte(doc), RueckgangEingabenAus(doc, e));
}

}  // namespace zelvor
