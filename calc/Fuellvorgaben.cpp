#include "calc/Fuellvorgaben.h"

#include <algorithm>
#include <cctype>

namespace zelvor {
namespace {

// ---------------------------------------------------------------------------------------------------
// The law as data. Each set is in force from `von` to `bis` (both included). On a day, the last set in
// this table that is in force and names that day of the year decides: an ordinance below the statute
// replaces the statute's targets for the days it names. A level below 0 means: no target on that day
// (the ordinance of 2025 sets none for 1 October). Checked against the published texts on the date in
// `geprueft`; when the law changes, add or end a set here.
// ---------------------------------------------------------------------------------------------------

struct Ausnahme {
  const char* anlage;
  double prozent;
};

struct Stichtagsvorgabe {
  Jahrestag tag;
  double prozent;  // < 0: no target on this day
  std::vector<Ausnahme> ausnahmen;
};

struct Datum3 {
  int jahr, monat, tag;
};

struct Vorgabensatz {
  const char* quelle;      // as the sentences name it
  const char* fundstelle;  // where the text was published
  Datum3 von, bis;
  const char* geprueft;
  bool augustNachweis;  // § 35b (2): a level on 1 August that does not endanger the targets
  std::vector<Stichtagsvorgabe> vorgaben;
};

const std::vector<Vorgabensatz>& Vorgabensaetze() {
  static const std::vector<Vorgabensatz> saetze = {
      // The statute as introduced (Gasspeichergesetz, in force 30 April 2022), until its amendment of 2024.
      {"§ 35b EnWG", "BGBl. I 2022 S. 674", {2022, 4, 30}, {2024, 2, 8}, "09.12.2026", true,
       {{{10, 1}, 80, {}}, {{11, 1}, 90, {}}, {{2, 1}, 40, {}}}},
      // As amended in force 9 February 2024 (BGBl. 2024 I Nr. 32): 1 February 30 %; part 3a runs until
      // 1 April 2027.
      {"§ 35b EnWG", "BGBl. 2024 I Nr. 32", {2024, 2, 9}, {2027, 3, 31}, "09.12.2026", true,
       {{{10, 1}, 80, {}}, {{11, 1}, 90, {}}, {{2, 1}, 30, {}}}},
      // Gasspeicherfüllstandsverordnung of 27 July 2022 (BAnz AT 28.07.2022 V1): 1 October 85 %,
      // 1 November 95 %; 75 % on 1 September is its level that presumes the targets not endangered.
      {"GasSpFüllstV 2022", "BAnz AT 28.07.2022 V1", {2022, 7, 29}, {2025, 3, 31}, "09.12.2026", false,
       {{{9, 1}, 75, {}}, {{10, 1}, 85, {}}, {{11, 1}, 95, {}}}},
      // Gasspeicherfüllstandsverordnung of 5 May 2025 (BGBl. 2025 I Nr. 130), in force 6 May 2025 until
      // the end of 31 March 2027: replaces all three days of § 35b (1), none on 1 October.
      {"GasSpFüllstV 2025", "BGBl. 2025 I Nr. 130", {2025, 5, 6}, {2027, 3, 31}, "09.12.2026", false,
       {{{10, 1}, -1, {}},
        {{11, 1}, 80,
         {{"Bad Lauchstädt", 45}, {"Frankenthal", 45}, {"Hähnlein", 45}, {"Rehden", 45}, {"Stockstadt", 45},
          {"Uelsen", 45}}},
        {{2, 1}, 30, {{"Bierwang", 40}, {"Breitbrunn", 40}, {"Inzenham-West", 40}, {"Wolfersberg", 40}}}}},
  };
  return saetze;
}

// The EU's target for the member state's storages together (Regulation (EU) 2017/1938, Art. 6a).
struct EuSatz {
  int jahrVon, jahrBis;
  Jahrestag fensterVon, fensterBis;
  double prozent;
  double abweichungMax;  // percentage points the member state may deviate
  const char* quelle;
};

const std::vector<EuSatz>& EuSaetze() {
  static const std::vector<EuSatz> saetze = {
      // Regulation (EU) 2022/1032: 80 % by 1 November 2022, 90 % by 1 November from 2023.
      {2022, 2022, {11, 1}, {11, 1}, 80, 0, "VO (EU) 2022/1032"},
      {2023, 2024, {11, 1}, {11, 1}, 90, 0, "VO (EU) 2022/1032"},
      // Regulation (EU) 2025/1733: 90 % at any time from 1 October to 1 December, until 2027; up to 10
      // and a further 5 percentage points of deviation under stated conditions.
      {2025, 2027, {10, 1}, {12, 1}, 90, EU_ABWEICHUNG_MAX, "VO (EU) 2025/1733"},
  };
  return saetze;
}

// ---------------------------------------------------------------------------------------------------

Tag TagVon(Datum3 d) { return *TagAusDatum(d.jahr, d.monat, d.tag); }

std::string Klein(std::string_view t) {
  const std::size_t a = t.find_first_not_of(" \t");
  if (a == std::string_view::npos) return {};
  t = t.substr(a, t.find_last_not_of(" \t") - a + 1);
  std::string k(t);
  for (char& c : k) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return k;
}

bool InKraft(const Vorgabensatz& s, Tag t) { return TagVon(s.von) <= t && t <= TagVon(s.bis); }

}  // namespace

std::optional<GesetzlichesZiel> GesetzlichesZielAm(Tag datum, std::string_view anlage) {
  if (!TagImBereich(datum)) return std::nullopt;
  const Kalenderdatum k = DatumAusTag(datum);
  const std::string name = Klein(anlage);
  const Vorgabensatz* satz = nullptr;
  const Stichtagsvorgabe* vorgabe = nullptr;
  for (const Vorgabensatz& s : Vorgabensaetze()) {
    if (!InKraft(s, datum)) continue;
    for (const Stichtagsvorgabe& v : s.vorgaben)
      if (v.tag == Jahrestag{k.monat, k.tag}) {
        satz = &s;
        vorgabe = &v;
      }
  }
  if (!vorgabe || vorgabe->prozent < 0) return std::nullopt;
  GesetzlichesZiel z{datum, vorgabe->prozent / 100.0, satz->quelle, {}};
  for (const Ausnahme& a : vorgabe->ausnahmen)
    if (!name.empty() && Klein(a.anlage) == name) {
      z.fuellgrad = a.prozent / 100.0;
      z.anlage = a.anlage;
    }
  return z;
}

std::vector<GesetzlichesZiel> GesetzlicheZiele(Tag von, Tag bis, std::string_view anlage) {
  std::vector<GesetzlichesZiel> ziele;
  if (!TagImBereich(von) || !TagImBereich(bis)) return ziele;
  for (Tag t = von; t <= bis; ++t) {
    const Kalenderdatum k = DatumAusTag(t);
    if (k.tag != 1) continue;  // every target falls on the first of a month
    if (auto z = GesetzlichesZielAm(t, anlage)) ziele.push_back(std::move(*z));
  }
  return ziele;
}

bool DeutscheVorgabenInKraft(Tag datum) {
  return std::any_of(Vorgabensaetze().begin(), Vorgabensaetze().end(),
                     [datum](const Vorgabensatz& s) { return InKraft(s, datum); });
}

std::vector<Zeitraum> OhneDeutscheVorgaben(Tag von, Tag bis) {
  std::vector<Zeitraum> ohne;
  for (Tag t = von; t <= bis; ++t) {
    if (DeutscheVorgabenInKraft(t)) continue;
    if (!ohne.empty() && ohne.back().bis == t - 1)
      ohne.back().bis = t;
    else
      ohne.push_back({t, t});
  }
  return ohne;
}

std::vector<Tag> NachweisTage(Tag von, Tag bis) {
  std::vector<Tag> tage;
  if (!TagImBereich(von) || !TagImBereich(bis)) return tage;
  for (int jahr = DatumAusTag(von).jahr; jahr <= DatumAusTag(bis).jahr; ++jahr) {
    const Tag t = *TagAusDatum(jahr, 8, 1);
    if (t < von || t > bis) continue;
    if (std::any_of(Vorgabensaetze().begin(), Vorgabensaetze().end(),
                    [t](const Vorgabensatz& s) { return s.augustNachweis && InKraft(s, t); }))
      tage.push_back(t);
  }
  return tage;
}

std::vector<std::string> Ausnahmeanlagen() {
  std::vector<std::string> namen;
  for (const Vorgabensatz& s : Vorgabensaetze())
    for (const Stichtagsvorgabe& v : s.vorgaben)
      for (const Ausnahme& a : v.ausnahmen)
        if (std::find(namen.begin(), namen.end(), a.anlage) == namen.end()) namen.emplace_back(a.anlage);
  return namen;
}

std::optional<std::string> AusnahmeanlageSuchen(std::string_view anlage) {
  const std::string name = Klein(anlage);
  for (const std::string& a : Ausnahmeanlagen())
    if (!name.empty() && Klein(a) == name) return a;
  return std::nullopt;
}

std::vector<Vorgabenquelle> Vorgabenquellen() {
  std::vector<Vorgabenquelle> q;
  for (const Vorgabensatz& s : Vorgabensaetze()) q.push_back({s.quelle, s.fundstelle, s.geprueft, TagVon(s.von), TagVon(s.bis)});
  return q;
}

std::optional<EuFuellziel> EuFuellzielImJahr(int jahr, double abweichung) {
  for (const EuSatz& s : EuSaetze()) {
    if (jahr < s.jahrVon || jahr > s.jahrBis) continue;
    const double ab = std::clamp(abweichung >= 0 ? abweichung : 0.0, 0.0, s.abweichungMax);
    return EuFuellziel{*TagAusDatum(jahr, s.fensterVon.monat, s.fensterVon.tag),
                       *TagAusDatum(jahr, s.fensterBis.monat, s.fensterBis.tag), (s.prozent - ab) / 100.0, ab, s.quelle};
  }
  return std::nullopt;
}

EuErgebnis EuZielPruefen(const std::vector<std::pair<Tag, double>>& fuellgrade, const EuFuellziel& ziel) {
  constexpr double NAEHE = 1e-9;
  EuErgebnis e;
  e.ziel = ziel;
  for (const auto& [t, f] : fuellgrade) {
    if (t < ziel.von || t > ziel.bis) continue;
    e.hoechster = e.imZeitraum ? std::max(e.hoechster, f) : f;
    e.imZeitraum = true;
    if (!e.erreichtAm && f >= ziel.fuellgrad - NAEHE) e.erreichtAm = t;
  }
  e.erreicht = e.erreichtAm.has_value();
  return e;
}

}  // namespace zelvor
