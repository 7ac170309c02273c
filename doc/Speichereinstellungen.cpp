#include "doc/Speichereinstellungen.h"

#include <cctype>
#include <cmath>
#include <sstream>

#include "calc/Format.h"
#include "doc/Eingabepruefung.h"
#include "doc/Prognoseeinstellungen.h"
#include "doc/Windows1252.h"

namespace zelvor {
namespace {

std::string Getrimmt(const std::string& t) {
  const std::size_t a = t.find_first_not_of(" \t");
  return a == std::string::npos ? std::string() : t.substr(a, t.find_last_not_of(" \t") - a + 1);
}

// "TT.MM." (one or two digits each, the last point optional).
std::optional<Jahrestag> JahrestagLesen(const std::string& text, std::size_t& i) {
  const auto zahl = [&](int& w) {
    const std::size_t anfang = i;
    w = 0;
    while (i < text.size() && i - anfang < 2 && std::isdigit(static_cast<unsigned char>(text[i])))
      w = 10 * w + (text[i++] - '0');
    return i > anfang;
  };
  Jahrestag t;
  if (!zahl(t.tag) || i >= text.size() || text[i++] != '.' || !zahl(t.monat)) return std::nullopt;
  if (i < text.size() && text[i] == '.') ++i;
  if (!TagAusDatum(2000, t.monat, t.tag)) return std::nullopt;
  return t;
}

std::optional<std::string> ZeitraumSetzen(const std::string& text, Jahrestag& von, Jahrestag& bis) {
  const char* meldung = "Bitte geben Sie den Zeitraum als TT.MM.-TT.MM. ein, zum Beispiel 01.04.-31.10.";
  std::size_t i = 0;
  const std::optional<Jahrestag> a = JahrestagLesen(text, i);
  if (!a || i >= text.size() || text[i++] != '-') return meldung;
  const std::optional<Jahrestag> b = JahrestagLesen(text, i);
  if (!b || i != text.size()) return meldung;
  von = *a;
  bis = *b;
  return std::nullopt;
}

// 0 (not given) or a number within [min, max]; -0 is 0.
std::optional<std::string> NullOderZwischenLesen(const std::string& text, double min, double max, float& wert) {
  float w = 0;
  if (auto m = EinstellungszahlLesen(text, 0, max, w)) return m;
  if (w != 0.0f && w < min)
    return "Bitte geben Sie 0 oder eine Zahl zwischen " + FloatAlsText(static_cast<float>(min)) + " und " +
           FloatAlsText(static_cast<float>(max)) + " ein.";
  wert = w + 0.0f;  // -0 is 0
  return std::nullopt;
}

}  // namespace

std::vector<Fuellziel> Speichereinstellungen::Fuellziele() const {
  std::vector<Fuellziel> z;
  for (const Speicherziel& s : ziele) z.push_back({s.tag, s.prozent / 100.0});
  return z;
}

bool Speichereinstellungen::ZieleGesetzlich() const { return !eigeneStandardziele && ziele == Speichereinstellungen{}.ziele; }

std::optional<std::string> ArbeitsgasSetzen(Speichereinstellungen& s, const std::string& text) {
  return NullOderZwischenLesen(text, SPEICHER_VOLUMEN_MIN, SPEICHER_VOLUMEN_GRENZE, s.arbeitsgas);
}

std::optional<std::string> KissengasSetzen(Speichereinstellungen& s, const std::string& text) {
  return NullOderZwischenLesen(text, SPEICHER_VOLUMEN_MIN, SPEICHER_VOLUMEN_GRENZE, s.kissengas);
}

std::optional<std::string> BrennwertSetzen(Speichereinstellungen& s, const std::string& text) {
  return NullOderZwischenLesen(text, SPEICHER_BRENNWERT_MIN, SPEICHER_BRENNWERT_MAX, s.brennwert);
}

std::optional<std::string> AusspeicherrateSetzen(Speichereinstellungen& s, const std::string& text) {
  return NullOderZwischenLesen(text, PROGNOSE_QENDE_MIN, PROGNOSE_RATE_MAX, s.qAusspeisung);
}

std::optional<std::string> EinspeisungSetzen(Speichereinstellungen& s, const std::string& text) {
  return ZeitraumSetzen(text, s.einBeginn, s.einEnde);
}

std::optional<std::string> AusspeisungSetzen(Speichereinstellungen& s, const std::string& text) {
  return ZeitraumSetzen(text, s.ausBeginn, s.ausEnde);
}

std::optional<std::string> SpeicherstartSetzen(Speichereinstellungen& s, const std::string& text) {
  if (text.empty()) {
    s.start.reset();
    return std::nullopt;
  }
  const std::optional<Tag> t = DatumLesen(text);
  if (!t) return "\"" + text + "\" ist kein Datum (TT.MM.JJJJ zwischen 1900 und 2199).";
  s.start = t;
  return std::nullopt;
}

std::optional<std::string> ZieleSetzen(Speichereinstellungen& s, const std::string& text) {
  if (Getrimmt(text) == "gesetzlich") {
    s.ziele = Speichereinstellungen{}.ziele;
    s.eigeneStandardziele = false;
    return std::nullopt;
  }
  std::vector<Speicherziel> ziele;
  std::istringstream in(text);
  std::string teil;
  while (in >> teil) {
    std::size_t i = 0;
    const std::optional<Jahrestag> tag = JahrestagLesen(teil, i);
    float prozent = 0;
    if (!tag || i >= teil.size() || teil[i] != ':' || EinstellungszahlLesen(teil.substr(i + 1), 0, 100, prozent))
      return "Bitte geben Sie \"gesetzlich\" oder jedes Füllziel als TT.MM.:Prozent ein, zum Beispiel 01.10.:80.";
    ziele.push_back({*tag, prozent});
  }
  if (ziele.size() > SPEICHER_ZIELE_MAX)
    return Formatiere("Es sind höchstens %zu Füllziele möglich.", SPEICHER_ZIELE_MAX);
  // A list typed equal to the one that stands for the legal targets is meant as the operator's own.
  s.eigeneStandardziele = ziele == Speichereinstellungen{}.ziele;
  s.ziele = std::move(ziele);
  return std::nullopt;
}

std::optional<std::string> AnlageSetzen(Speichereinstellungen& s, const std::string& text) {
  const std::string name = Getrimmt(text);
  if (name.size() > SPEICHER_ANLAGE_MAX)
    return Formatiere("Der Name der Speicheranlage darf höchstens %zu Zeichen lang sein.", SPEICHER_ANLAGE_MAX);
  for (const unsigned char c : name)
    if (c < 0x20 || c == 0x7f) return std::string("Der Name der Speicheranlage enthält ein Steuerzeichen.");
  if (std::string bytes; !Utf8NachWindows1252(name, bytes))
    return std::string("Der Name der Speicheranlage enthält Zeichen, die die Bohrungsdatei nicht speichern kann.");
  // The law's spelling, so that the text names the facility as the ordinance does.
  s.anlage = AusnahmeanlageSuchen(name).value_or(name);
  return std::nullopt;
}

std::optional<std::string> AnlageEinspeisungSetzen(Speichereinstellungen& s, const std::string& text) {
  return EinstellungszahlLesen(text, 0, PROGNOSE_RATE_MAX, s.qAnlageEin);
}

std::optional<std::string> AnlageAusspeisungSetzen(Speichereinstellungen& s, const std::string& text) {
  return EinstellungszahlLesen(text, 0, PROGNOSE_RATE_MAX, s.qAnlageAus);
}

std::string JahrestagText(Jahrestag t) { return Formatiere("%02d.%02d.", t.tag, t.monat); }

std::string ZeitraumText(Jahrestag von, Jahrestag bis) { return JahrestagText(von) + "-" + JahrestagText(bis); }

std::string ZieleText(const Speichereinstellungen& s) { return s.ZieleGesetzlich() ? "gesetzlich" : ZieleText(s.ziele); }

std::string ZieleText(const std::vector<Speicherziel>& ziele) {
  std::string t;
  for (const Speicherziel& z : ziele) t += (t.empty() ? "" : " ") + JahrestagText(z.tag) + ":" + FloatAlsText(z.prozent);
  return t;
}

const std::vector<Speicherangabe>& Speicherangaben() {
  using S = Speichereinstellungen;
  static const std::vector<Speicherangabe> angaben = {
      {"SpeicherArbeitsgas", ArbeitsgasSetzen, [](const S& s) { return FloatAlsText(s.arbeitsgas); }},
      {"SpeicherKissengas", KissengasSetzen, [](const S& s) { return FloatAlsText(s.kissengas); }},
      {"SpeicherBrennwert", BrennwertSetzen, [](const S& s) { return FloatAlsText(s.brennwert); }},
      {"SpeicherAusspeicherrate", AusspeicherrateSetzen, [](const S& s) { return FloatAlsText(s.qAusspeisung); }},
      {"SpeicherEinspeisung", EinspeisungSetzen, [](const S& s) { return ZeitraumText(s.einBeginn, s.einEnde); }},
      {"SpeicherAusspeisung", AusspeisungSetzen, [](const S& s) { return ZeitraumText(s.ausBeginn, s.ausEnde); }},
      {"SpeicherStart", SpeicherstartSetzen, [](const S& s) { return s.start ? DatumText(*s.start) : std::string(); }},
      {"SpeicherZiele", ZieleSetzen, [](const S& s) { return ZieleText(s); }},
      {"SpeicherAnlage", AnlageSetzen, [](const S& s) { return s.anlage; }},
      {"SpeicherAnlageEinspeisung", AnlageEinspeisungSetzen, [](const S& s) { return FloatAlsText(s.qAnlageEin); }},
      {"SpeicherAnlageAusspeisung", AnlageAusspeisungSetzen, [](const S& s) { return FloatAlsText(s.qAnlageAus); }},
  };
  return angaben;
}

const Speicherangabe* SpeicherangabeSuchen(const std::string& name) {
  for (const Speicherangabe& a : Speicherangaben())
    if (name == a.name) return &a;
  return nullptr;
}

std::vector<std::string> SpeicherfelderAus(const Speichereinstellungen& s) {
  std::vector<std::string> f;
  for (const Speicherangabe& a : Speicherangaben()) f.push_back(a.text(s));
  return f;
}

std::optional<Speicherfehler> SpeicherfelderLesen(const std::vector<std::string>& felder, Speichereinstellungen& s,
                                                  double ogip) {
  const std::vector<Speicherangabe>& angaben = Speicherangaben();
  Speichereinstellungen neu = s;
  for (std::size_t i = 0; i < angaben.size() && i < felder.size(); ++i) {
    // An empty working gas is 0: no storage computations, the other settings kept for later.
    const std::string text = i == 0 && Getrimmt(felder[i]).empty() ? std::string("0") : felder[i];
    if (auto m = angaben[i].setzen(neu, text)) return Speicherfehler{i, std::move(*m)};
  }
  if (auto m = SpeicheraenderungPruefen(s, ogip, neu, ogip).ablehnung)
    return Speicherfehler{1, std::move(*m)};  // the cushion gas's
  s = std::move(neu);
  return std::nullopt;
}

std::optional<std::string> SpeichereinstellungenPruefen(const Speichereinstellungen& s, double ogip) {
  if (!s.Gesetzt()) return std::nullopt;
  const std::string m = SpeichervolumenAblehnung(s.Volumen(), ogip);
  if (!m.empty()) return m;
  return std::nullopt;
}

Speicherurteil SpeicheraenderungPruefen(const Speichereinstellungen& vorher, double ogipVorher,
                                        const Speichereinstellungen& nachher, double ogipNachher) {
  Speicherurteil u;
  std::optional<std::string> m = SpeichereinstellungenPruefen(nachher, ogipNachher);
  if (!m) return u;
  // A well that was so before stays editable: the change is let through and the finding stays a warning.
  if (SpeichereinstellungenPruefen(vorher, ogipVorher))
    u.warnung = std::move(m);
  else
    u.ablehnung = std::move(m);
  return u;
}

}  // namespace zelvor
