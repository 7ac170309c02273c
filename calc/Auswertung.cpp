#include "calc/Auswertung.h"

#include <cmath>

#include "calc/CStatistik.h"
#include "calc/DruckAusPZ.h"
#include "calc/Format.h"

namespace zelvor {
namespace {

class Lauf {
 public:
  Lauf(const AuswertungsEingaben& e, AuswertungsErgebnis& r) : m_e(e), m_r(r) {}

  void Ausfuehren() {
    if (!EingabenEndlich()) return;
    if (!Kopf()) return;
    if (!Vorpruefungen()) return;
    const std::vector<std::string>& zeilen = *m_e.ratenzeilen;
    size_t i = 0;
    for (; i < zeilen.size() && m_r.maxWerte < MAX_RATENZEILEN; ++i) {
      if (!Ratenzeile(zeilen[i])) return;
    }
    m_r.ignorierteZeilen = static_cast<int>(zeilen.size() - i);
    Abschluss();
  }

 private:
  void Zeile(std::string text) { m_r.zeilen.push_back(std::move(text)); }

  bool Abbruch(std::string text) {
    Zeile(std::move(text));
    m_r.abgebrochen = true;
    return false;
  }

  bool Abbruch(std::string text, const std::string& ratenzeile) {
    Zeile(std::move(text));
    Zeile(ratenzeile);
    m_r.abgebrochen = true;
    return false;
  }

  // A well file can hold any bit pattern; nan or inf must never reach the table.
  bool EingabenEndlich() {
    const char* feld = nullptr;
    float summe = 0.0f;  // finite parts can still overflow the printed sum
    for (float c : m_e.komponenten) summe += c;
    if (!std::isfinite(summe)) feld = "Gaszusammensetzung";
    if (!std::isfinite(m_e.temperatur)) feld = "Lagerstättentemperatur";
    if (!std::isfinite(m_e.kopftemperatur)) feld = "Kopffliesstemperatur";
    if (!std::isfinite(m_e.ogip)) feld = "Original Gas in Place";
    if (!std::isfinite(m_e.initialdruck)) feld = "Initialer Lagerstättendruck";
    if (!std::isfinite(m_e.wasserinvasion)) feld = "Wasserinvasion";
    if (!std::isfinite(m_e.a1)) feld = "A1-Wert";
    if (!std::isfinite(m_e.b1)) feld = "B1-Wert";
    if (!feld) return true;
    Zeile(Formatiere("    Name der Gasbohrung: %s", m_e.gasbohrung.c_str()));
    Zeile("");
    return Abbruch(Formatiere("    ABBRUCH!!Ungültiger Zahlenwert in den Eingaben: %s", feld));
  }

  bool Kopf() {
    m_nA1 = static_cast<double>(m_e.bohrungsanzahl) * m_e.a1;
    PseudokritischeWerte(m_e.komponenten.data(), m_tca, m_pca);
    m_koeff = HallYarboroughKoeffizienten(m_e.temperatur, m_tca);
    const double zi = ZFaktor(m_koeff, m_e.initialdruck, m_pca);
    m_pzi = m_e.initialdruck / zi;
    m_bgi = m_pzi * 273.0 / ((m_e.temperatur + 273.0) * 1.0134);
    Laufdaten& l = m_r.lauf;
    l.injektion = m_e.injektion;
    l.variablerC = m_e.variablerC;
    l.temperatur = m_e.temperatur;
    l.ogip = m_e.ogip;
    l.initialdruck = m_e.initialdruck;
    l.wasserinvasion = m_e.wasserinvasion;
    l.b1 = m_e.b1;
    l.nA1 = m_nA1;
    l.tca = m_tca;
    l.pca = m_pca;
    l.zi = zi;
    l.pzi = m_pzi;
    l.bgi = m_bgi;

    Zeile(Formatiere("    Name der Gasbohrung: %s", m_e.gasbohrung.c_str()));
    Zeile("");
    Zeile("    Gaszusammensetzung");
    Zeile("");
    float summe = 0.0f;
    for (int i = 0; i < KOMPONENTEN; ++i) {
      const float anteil = m_e.komponenten[i];
      summe += anteil;
      if (anteil > 0.0f) {
        const std::string name = std::string(" ") + KOMPONENTEN_NAMEN[i];
        Zeile(Formatiere("   %-12s%6.2f", name.c_str(), anteil));
      }
    }
    Zeile(Formatiere("    Summe    %8.2f", summe));
    Zeile("");
    Zeile(Formatiere("    Lagerstättentemperatur              (°C):%10.1f", m_e.temperatur));
    Zeile(Formatiere("    Kopffliesstemperatur                (°C):%10.1f", m_e.kopftemperatur));
    Zeile(Formatiere("    Original Gas in Place           (Mio m3):%10.1f", m_e.ogip));
    Zeile(Formatiere("    Initialer Lagerstättendruck        (bar):%10.1f", m_e.initialdruck));
    if (!std::isfinite(m_tca) || !std::isfinite(m_pca) || !(m_tca > 0.0) || !(m_pca > 0.0))
      return Abbruch("    ABBRUCH!!Die Gaszusammensetzung ergibt keine kritischen Werte (Summe Null?)");
    if (zi == 0.0)
      return Abbruch("    ABBRUCH!!Der Z-Wert beim Initialdruck ist nicht berechenbar (keine Konvergenz)");
    if (!std::isfinite(m_bgi) || !(m_bgi > 0.0))
      return Abbruch("    ABBRUCH!!Der Formationsvolumenfaktor Bgi ist nicht berechenbar");
    Zeile(Formatiere("    Initialer Z- Wert Zi                 (-):%10.3f", zi));
    Zeile(Formatiere("    Initialer Formationsvolumenfaktor Bgi(-):%10.3f", m_bgi));
    Aquiferrechnen();
    Zeile(Formatiere("    Wasserinvasion WE               (Mio m3):%10.1f",
                     m_aquifer ? m_aquiferWeKopf : static_cast<double>(m_e.wasserinvasion)));
    Zeile(Formatiere("    Bohrungsanzahl                       (-):%10d", m_e.bohrungsanzahl));
    Zeile("");
    if (m_e.injektion) Zeile("    Es werden Injektionsraten berechnet!");
    Zeile("");
    Zeile(Formatiere("    Vertikaler Druckverlust A1: %7.2f B1: %5.3f", m_e.a1, m_e.b1));
    Zeile("");
    Zeile("       Kum.     Rate   Kopffliess  Bodenfliess-  Schliess-   P/Z      C-Wert");
    Zeile("       Prod.      Q       druck       druck       druck    ");
    Zeile("      (Mio m3)  (m3/h)    (bar)       (bar)       (bar)     (bar)  (m3/h bar2)");
    Zeile(" ");
    return true;
  }

  // The lines the run will evaluate, up to the first it stops at, as points of the aquifer's history.
  std::vector<Aquiferereignis> AquiferZeilen() const {
    std::vector<Aquiferereignis> ereignisse;
    if (!m_e.ratenzeilen) return ereignisse;
    const std::vector<std::string>& zeilen = *m_e.ratenzeilen;
    for (std::size_t i = 0; i < zeilen.size() && i < static_cast<std::size_t>(MAX_RATENZEILEN); ++i) {
      float gp = 0, q = 0, pwh = 0;
      if (!Lesen(zeilen[i], gp, q, pwh) || !std::isfinite(gp) || !std::isfinite(q) || !std::isfinite(pwh) ||
          gp >= m_e.ogip || gp < 0.0f || q < 0.0f || pwh < 0.0f)
        break;
      std::optional<Tag> tag;
      if (m_e.zeilendaten && i < m_e.zeilendaten->size()) tag = (*m_e.zeilendaten)[i];
      ereignisse.push_back({tag, gp});
    }
    return ereignisse;
  }

  // The aquifer's history at the entered OGIP, before the header names its influx.
  void Aquiferrechnen() {
    if (!m_e.aquifer || !m_e.aquifer->Gesetzt()) return;
    m_aquifer = true;
    m_r.lauf.aquifer = true;
    if (const std::string m = AquiferdatenPruefen(*m_e.aquifer); !m.empty()) {
      m_aquiferMeldung = m;
      return;
    }
    std::vector<Aquiferereignis> ereignisse = AquiferZeilen();
    m_aquiferZeilen = ereignisse.size();
    ereignisse.insert(ereignisse.end(), m_e.messungen.begin(), m_e.messungen.end());
    const Gasbilanz gas{m_e.initialdruck, m_pzi, m_bgi, m_pca, m_koeff};
    m_verlauf = AquiferverlaufBerechnen(gas, m_e.ogip, *m_e.aquifer, ereignisse);
    if (!m_verlauf.Gemacht()) {
      m_aquiferMeldung = m_verlauf.meldung;
      return;
    }
    m_ce = EffektiveKompressibilitaet(*m_e.aquifer);
    if (m_aquiferZeilen > 0) m_aquiferWeKopf = m_verlauf.punkte[m_aquiferZeilen - 1].we;
  }

  // P/Z of the line with Gp: the run's constant influx, or the line's own from the aquifer.
  double PZDerZeile(float gp) const {
    const std::size_t i = m_r.lauf.punkte.size();
    if (!m_aquifer) return m_r.lauf.PZ(gp);
    const Aquiferzustand& a = m_verlauf.punkte[i];
    return m_pzi * (1.0 - gp / m_r.lauf.ogip) / (1.0 - (a.we - a.wp) / m_ogipReservoir) /
           (1.0 - m_ce * (m_e.initialdruck - a.p));
  }

  bool Vorpruefungen() {
    m_ogipReservoir = m_e.ogip / m_bgi;
    m_r.lauf.ogipReservoir = m_ogipReservoir;
    if (m_aquifer && !m_aquiferMeldung.empty()) return Abbruch("    ABBRUCH!!" + m_aquiferMeldung);
    if (!m_aquifer && !(m_ogipReservoir > m_e.wasserinvasion))
      return Abbruch("    ABBRUCH!!Die Wasserinvasion ist größer als das OGIP");
    if (!m_e.ratenzeilen || m_e.ratenzeilen->empty()) return Abbruch("    ABBRUCH!!Die Messwerte fehlen!");
    if (m_e.b1 == 1.0) Zeile(" WARNUNG!Der B1-Wert für das Gassäulengewicht sollte größer als 1 sein!");
    if (m_e.a1 < 5.0) Zeile(" WARNUNG!Der A1-Wert ist sehr klein!!");
    return true;
  }

  // The friction term (Q / (N × A1))²; false when N × A1 is 0 and the term would divide by it.
  bool Reibung(float q, double& term) const {
    if (q == 0.0f) {
      term = 0.0;
      return true;
    }
    if (m_nA1 == 0.0) return false;
    const double x = q / m_nA1;
    term = x * x;
    return true;
  }

  // "%f %f %f" as scanf reads it; the plain decimal forms take a quicker road to the same values.
  static bool Lesen(const std::string& text, float& gp, float& q, float& pwh) {
    const char* p = text.c_str();
    if (EinfacheZahlLesen(p, gp) && EinfacheZahlLesen(p, q) && EinfacheZahlLesen(p, pwh)) return true;
    return Scanne(text.c_str(), "%f %f %f", &gp, &q, &pwh) >= 3;
  }

  // "%13.3f %9.1f %8.2f %11.2f %11.2f %8.2f %9.3f"
  static std::string Tabellenzeile(float gp, float q, float pwh, double pwf, double pws, double pz, double c) {
    std::string z;
    z.reserve(80);
    FestAnhaengen(z, gp, 13, 3);
    z += ' ';
    FestAnhaengen(z, q, 9, 1);
    z += ' ';
    FestAnhaengen(z, pwh, 8, 2);
    z += ' ';
    FestAnhaengen(z, pwf, 11, 2);
    z += ' ';
    FestAnhaengen(z, pws, 11, 2);
    z += ' ';
    FestAnhaengen(z, pz, 8, 2);
    z += ' ';
    FestAnhaengen(z, c, 9, 3);
    return z;
  }

  bool Ratenzeile(const std::string& text) {
    float gp = 0, q = 0, pwh = 0;
    if (!Lesen(text, gp, q, pwh))
      return Abbruch("ABBRUCH!Weniger als 3 Werte in der Ratenzeile", text);
    if (!std::isfinite(gp) || !std::isfinite(q) || !std::isfinite(pwh))
      return Abbruch("ABBRUCH!Die Ratenzeile enthält eine ungültige Zahl (nan oder inf)", text);
    if (gp >= m_e.ogip) return Abbruch(Formatiere("ERROR!!Gp-Wert:%f ist größer als OGIP:%f", gp, m_e.ogip));
    if (gp < 0.0f) return Abbruch("ERROR! Das Gp ist  kleiner als Null!", text);
    if (q < 0.0f) return Abbruch("ERROR! Die Rate ist  kleiner als Null!", text);
    if (pwh < 0.0f) return Abbruch("ERROR! Der Druck ist  kleiner als Null!", text);

    const double pz = PZDerZeile(gp);
    PZFehler fehler = PZFehler::Keiner;
    const double pws = DruckAusPZ(m_koeff, pz, m_pca, &fehler);
    if (fehler == PZFehler::ZFaktor)
      return Abbruch("ABBRUCH!Der Schließdruck ist nicht berechenbar: der Z-Wert konvergiert nicht", text);
    if (fehler != PZFehler::Keiner)
      return Abbruch("ABBRUCH!Der Schließdruck ist nicht berechenbar: Division durch Null bei P/Z", text);

    double pwf = 0;
    if (q == 0.0f) {
      Zeile("    WARNUNG! Die Rate ist  Null!");
      pwf = pws;
    }
    if (pwh == 0.0f && q != 0.0f)
      return Abbruch(Formatiere("ERROR!Bei einer Rate von %f darf der Druck nicht Null sein", q), text);
    double reibung = 0;
    if (!Reibung(q, reibung))
      return Abbruch("ABBRUCH!Bohrungsanzahl mal A1-Wert ist Null: der Bodenfliessdruck ist nicht berechenbar", text);
    const double kopf = m_e.b1 * (static_cast<double>(pwh) * pwh);
    if (!m_e.injektion) {
      pwf = q > 0.0f ? std::sqrt(reibung + kopf) : pws;
    } else {
      const double D = kopf - reibung;
      if (D > 0.0) {
        pwf = std::sqrt(D);
      } else {
        pwf = pws;
        Zeile(Formatiere("FALSCHE A1,B1-WERTE bei GP:%5.1f DRUCK:%4.1f RATE:%4.1f", gp, pwh, q));
        Zeile(m_nA1 < 10.0 ? "Ist der A1-Wert richtig dewählt?"
                           : "Eventuel ist die Rate im Vergleich zum Kopfdruck zu groß!");
      }
    }

    const double pws2 = pws * pws;
    const double pwf2 = pwf * pwf;
    double c = 0;
    if (pws != pwf) c = m_e.injektion ? q / (pwf2 - pws2) : q / (pws2 - pwf2);
    const float differenz = static_cast<float>(pws2 - pwf2);
    if (!std::isfinite(pz) || !std::isfinite(pws) || !std::isfinite(pwf) || !std::isfinite(c) ||
        !std::isfinite(differenz))
      return Abbruch("ABBRUCH!Die Ergebnisse der Ratenzeile sind nicht darstellbar", text);
    if (c < 0.0) {
      Zeile(Formatiere(" C-WERT negativ bei GP: %5.1f.Er wurde 0 gesetzt", gp));
      Zeile(m_e.injektion ? " Bei Injektion muß der Bodenfliessdruck größer als der Bodenschließdruck sein!"
                          : " Bei Produktion muß der Bodenfliessdruck kleiner als der Bodenschließdruck sein!");
      c = 0.0;
    }

    m_s.Regression(gp, c, m_e.variablerC);
    Zeile(Tabellenzeile(gp, q, pwh, pwf, pws, pz, c));
    m_s.Mittelwert(c);

    const size_t j = static_cast<size_t>(m_r.maxWerte);
    m_r.kurve1X[j] = gp;
    m_r.kurve2X[j] = gp;
    m_r.kurve1Y[j] = m_e.grafikRaten ? q : static_cast<float>(c);
    m_r.kurve2Y[j] = std::fabs(differenz);
    m_r.maxWerte = static_cast<int>(j) + 1;
    const double we = m_aquifer ? m_verlauf.punkte[m_r.lauf.punkte.size()].we - m_verlauf.punkte[m_r.lauf.punkte.size()].wp
                                : static_cast<double>(m_e.wasserinvasion);
    m_r.lauf.punkte.push_back({gp, q, pwh, pwf, pws, pz, c, we});
    return true;
  }

  void Abschluss() {
    const double mittel = m_s.Mittel();
    Zeile("");
    Zeile(Formatiere("    Mittlerer C-Wert: %7.3f", mittel));
    Ausgleichsgerade g;
    if (m_s.cZahl > 0 && m_e.variablerC) {
      g = Ausgleich(m_s);
      m_r.lauf.ausgleich = true;
      m_r.lauf.steigung = g.steigung;
      m_r.lauf.achsenabschnitt = g.achsenabschnitt;
      Zeile("    Die Raten werden mit variablen C-Werten berechnet, d.h.");
      Zeile(Formatiere("    C-Wert = %f  %+f * Gp", g.achsenabschnitt, g.steigung));
    }
    for (size_t k = 0; k < static_cast<size_t>(m_r.maxWerte); ++k) {
      const double ck = m_e.variablerC ? m_r.kurve1X[k] * g.steigung + g.achsenabschnitt : mittel;
      m_r.kurve2Y[k] = static_cast<float>(m_e.grafikRaten ? ck * m_r.kurve2Y[k] : ck);
    }
    if (m_aquifer && !m_r.lauf.punkte.empty()) {
      const std::size_t letzte = m_r.lauf.punkte.size() - 1;
      m_r.lauf.wasserinvasion = m_r.lauf.punkte[letzte].we;
      const std::string beginn =
          m_verlauf.schritte.empty() || m_e.aquifer->modell == Aquifermodell::Topf
              ? std::string()
              : " ab " + DatumText(m_verlauf.beginn) + (m_verlauf.beginnGeschaetzt ? " (geschätzt)" : "");
      // From the first line's influx to the last's, as short as the table's lines.
      Zeile(Formatiere("    Aquifermodell %s%s: WE %.1f bis %.1f Mio m3",
                       AquifermodellName(m_e.aquifer->modell), beginn.c_str(), m_verlauf.punkte[0].we,
                       m_verlauf.punkte[letzte].we));
    }
    m_r.lauf.mittlererC = mittel;
    m_r.lauf.vollstaendig = true;
    m_r.beschriftet = true;
    m_r.textXAchse = "Kumulative Gasproduktion Gp (Mio m3)";
    if (m_e.grafikRaten) {
      m_r.textKurve1 = "Raten (gemessen)";
      m_r.textKurve2 = "Raten (berechnet)";
      m_r.textYAchse = "Raten";
    } else {
      m_r.textKurve1 = "C-Werte berechnet";
      m_r.textKurve2 = m_e.variablerC ? "C-Werte  Ausgleich" : "C-Werte Mittelwert";
      m_r.textYAchse = "C-Werte";
    }
  }

  const AuswertungsEingaben& m_e;
  AuswertungsErgebnis& m_r;
  double m_nA1 = 0;
  double m_tca = 0, m_pca = 0;
  HallYarborough m_koeff;
  double m_pzi = 0, m_bgi = 0;
  double m_ogipReservoir = 0;
  CStatistik m_s;
  // The aquifer model's history, when the well has one.
  bool m_aquifer = false;
  std::string m_aquiferMeldung;  // why it cannot be computed
  Aquiferverlauf m_verlauf;
  std::size_t m_aquiferZeilen = 0;
  double m_ce = 0;
  double m_aquiferWeKopf = 0;
};

}  // namespace

void Auswerten(const AuswertungsEingaben& e, AuswertungsErgebnis& ergebnis) {
  ergebnis = AuswertungsErgebnis{};
  ergebnis.lauf.gelaufen = true;  // also when it ends before its first line
  Lauf(e, ergebnis).Ausfuehren();
}

std::string HoechstzahlMeldung() {
  return Formatiere("Es werden maximal %d Werte in der Grafik verarbeitet", MAX_RATENZEILEN);
}

}  // namespace zelvor
