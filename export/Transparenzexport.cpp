#include "export/Transparenzexport.h"

#include <algorithm>
#include <cctype>
#include <span>
#include <vector>

#include "calc/Format.h"
#include "doc/Dateizugriff.h"
#include "report/Speichertext.h"

namespace zelvor {
namespace {

struct Gastag {
  Tag tag;
  double gasInStorage, full, injection, withdrawal, workingGasVolume, injectionCapacity, withdrawalCapacity;
};

const char* const FELDER[] = {"gasDayStart",      "gasInStorage",      "full",
                              "injection",        "withdrawal",        "workingGasVolume",
                              "injectionCapacity", "withdrawalCapacity"};

// Every day computed: its flows and the capacities of its morning, its fill at the next morning.
std::vector<Gastag> Gastage(const Speicherjahr& s) {
  const double h = s.eingaben.brennwert;
  std::vector<Gastag> tage;
  for (std::size_t i = 0; i + 1 < s.tage.size(); ++i) {
    const Speichertag& d = s.tage[i];
    const Speichertag& ende = s.tage[i + 1];
    tage.push_back({d.tag, MioM3InGwh(ende.inventar - s.volumen.kissengas, h) / 1000.0, 100.0 * ende.fuellgrad,
                    RateInGwhTag(std::max(d.q, 0.0), h), RateInGwhTag(std::max(-d.q, 0.0), h),
                    MioM3InGwh(s.volumen.arbeitsgas, h) / 1000.0, RateInGwhTag(d.qEin, h), RateInGwhTag(d.qAus, h)});
  }
  return tage;
}

std::vector<std::string> Werte(const Gastag& g) {
  return {DatumIso(g.tag),
          Formatiere("%.6f", g.gasInStorage),
          Formatiere("%.2f", g.full),
          Formatiere("%.4f", g.injection),
          Formatiere("%.4f", g.withdrawal),
          Formatiere("%.6f", g.workingGasVolume),
          Formatiere("%.4f", g.injectionCapacity),
          Formatiere("%.4f", g.withdrawalCapacity)};
}

}  // namespace

std::optional<std::string> TransparenzAblehnung(const Speicherjahr& s) {
  if (!s.Gemacht()) return s.meldung;
  if (!(s.eingaben.brennwert > 0.0))
    return std::string("Die Transparenzdaten geben Energien an: dafür braucht der Speicher seinen Brennwert "
                       "(SpeicherBrennwert).");
  return std::nullopt;
}

std::string TransparenzCsv(const Speicherjahr& s) {
  if (TransparenzAblehnung(s)) return "";
  std::string t;
  for (const char* f : FELDER) t += std::string(t.empty() ? "" : ",") + f;
  t += "\n";
  for (const Gastag& g : Gastage(s)) {
    const std::vector<std::string> w = Werte(g);
    for (std::size_t i = 0; i < w.size(); ++i) t += (i ? "," : "") + w[i];
    t += "\n";
  }
  return t;
}

std::string TransparenzJson(const Speicherjahr& s) {
  if (TransparenzAblehnung(s)) return "";
  std::string t = "{\"data\": [";
  bool erste = true;
  for (const Gastag& g : Gastage(s)) {
    const std::vector<std::string> w = Werte(g);
    t += erste ? "\n  {" : ",\n  {";
    erste = false;
    for (std::size_t i = 0; i < w.size(); ++i)
      t += std::string(i ? ", " : "") + "\"" + FELDER[i] + "\": " + (i == 0 ? "\"" + w[i] + "\"" : w[i]);
    t += "}";
  }
  return t + "\n]}\n";
}

std::optional<Transparenzformat> TransparenzformatAus(const std::string& pfad) {
  std::string klein = pfad;
  std::transform(klein.begin(), klein.end(), klein.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const auto endet = [&klein](const std::string& e) {
    return klein.size() > e.size() && klein.compare(klein.size() - e.size(), e.size(), e) == 0 &&
           klein[klein.size() - e.size() - 1] != '/';
  };
  if (endet(".csv")) return Transparenzformat::Csv;
  if (endet(".json")) return Transparenzformat::Json;
  return std::nullopt;
}

std::string TransparenzSchreiben(const std::string& pfad, const Speicherjahr& s) {
  if (auto m = TransparenzAblehnung(s)) return *m;
  const std::optional<Transparenzformat> f = TransparenzformatAus(pfad);
  if (!f) return "Die Datei \"" + pfad + "\" muss auf .csv oder .json enden.";
  const std::string text = *f == Transparenzformat::Csv ? TransparenzCsv(s) : TransparenzJson(s);
  return DateiErsetzen(pfad, std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
}

}  // namespace zelvor
