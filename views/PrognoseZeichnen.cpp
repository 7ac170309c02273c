#include "views/PrognoseZeichnen.h"

#include <QFile>
#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>

#include "doc/Analysehinweis.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentPrognose.h"
#include "doc/DokumentSpeicher.h"
#include "report/Grafiklayout.h"
#include "report/Prognosediagramme.h"
#include "report/Prognosetext.h"
#include "report/Speichertext.h"
#include "report/Tabellenseiten.h"
#include "views/DiagrammZeichnen.h"
#include "views/Ausgabedatei.h"
#include "views/Lometric.h"

namespace zelvor {
namespace {

constexpr double RAND = 150;    // around the page's content
constexpr double KOPF = 250;    // well name and subtitle
constexpr double FUSS = 100;    // the document line at the bottom
constexpr double ZEILE = 45;    // text line pitch
constexpr double ZEICHEN = 21;  // width of a character of the text, generously
constexpr int SCHRIFTHOEHE = 40;
constexpr Rahmen RAHMEN{1300, 750};
constexpr double ABSTAND = 100;  // between the blocks

struct Inhalt {
  std::vector<std::string> kopf;     // what the forecast was made with
  std::vector<std::string> spalten;  // the column heads; none when no forecast was made
  std::vector<std::string> zeilen;
  std::vector<std::string> summe;    // a blank line and the summary
  std::vector<Diagramm> diagramme;   // over Gp and over time, those with something to show
  // A storage well's storage year as a table of weeks and the targets' days: its settings and column
  // heads (repeated on every printed page of it) and its rows. Empty for every other well.
  std::vector<std::string> jahrKopf;
  std::vector<std::string> jahrZeilen;
};

Inhalt InhaltAus(const CZelvorDoc& doc) {
  const Foerderprognose p = DokumentPrognose(doc);
  const std::optional<Prognosebereich> b = DokumentPrognosebereich(doc);
  const Prognosebereich* bereich = b ? &*b : nullptr;
  Inhalt i{PrognoseKopf(p), {}, {}, {}, {}, {}, {}};
  // Which evaluation this is, when the table shows another one.
  if (const std::string hinweis = Analysehinweis(doc); !hinweis.empty()) i.kopf.insert(i.kopf.begin(), {hinweis, ""});
  const std::optional<Tag> start = PrognoseStart(doc);
  for (Diagramm d : {PrognoseDiagrammGp(p, doc.m_Lauf, bereich), PrognoseDiagrammZeit(p, bereich, start)})
    if (!DiagrammLeer(d)) i.diagramme.push_back(std::move(d));
  // A storage well with its volumes set also shows its storage year on the calendar against the fill
  // targets; every other well's page stays as it was.
  if (const Speicherjahr jahr = DokumentSpeicherjahr(doc); jahr.Gemacht()) {
    i.kopf.emplace_back();
    i.kopf.push_back("    Füllziele im Speicherjahr ab " + DatumText(jahr.eingaben.start) + " (Füllstand in % des Arbeitsgases)");
    for (std::string& s : FuellzielText(jahr)) i.kopf.push_back(std::move(s));
    for (const std::string& h : jahr.hinweise) i.kopf.push_back("    " + h);
    for (Diagramm d : {SpeicherjahrDiagramm(jahr), SpeicherjahrRatenDiagramm(jahr)})
      if (!DiagrammLeer(d)) i.diagramme.push_back(std::move(d));
    // The fill level on any day, as "zelvor-cli speicherjahr" gives it.
    i.jahrKopf = SpeicherjahrKopf(jahr);
    i.jahrKopf.emplace_back();
    for (std::string& s : SpeicherjahrSpaltenkopf(jahr)) i.jahrKopf.push_back(std::move(s));
    i.jahrZeilen = SpeicherjahrZeilen(jahr);
  }
  if (!p.Gemacht()) return i;
  const std::optional<Fuellstandsspalte> f = p.injektion ? DokumentFuellstandsspalte(doc) : std::nullopt;
  const Fuellstandsspalte* fuellstand = f ? &*f : nullptr;
  i.spalten = PrognoseSpaltenkopf(p.injektion, start.has_value(), fuellstand);
  for (const Prognosezeile& z : p.zeilen) i.zeilen.push_back(PrognoseZeilentext(z, start, fuellstand));
  i.summe.emplace_back();
  for (std::string& s : PrognoseZusammenfassung(p, start)) i.summe.push_back(std::move(s));
  if (fuellstand) {
    i.summe.emplace_back();
    for (std::string& s : FuellbezugText(p, *fuellstand)) i.summe.push_back(std::move(s));
  }
  if (bereich)
    for (std::string& s : PrognosebereichText(*bereich, start)) i.summe.push_back(std::move(s));
  return i;
}

double DiagrammHoehe(const Diagramm& d) { return DIAGRAMM_RAND_OBEN + RAHMEN.hoehe + DiagrammRandUnten(d); }
constexpr double DIAGRAMM_BREITE = DIAGRAMM_RAND_LINKS + RAHMEN.breite + DIAGRAMM_RAND_RECHTS;

double TextBreite(const std::vector<std::string>& text) {
  size_t laengste = 0;
  for (const std::string& z : text) laengste = std::max(laengste, z.size());
  return static_cast<double>(laengste) * ZEICHEN;
}

double TextHoehe(const std::vector<std::string>& text) { return static_cast<double>(text.size()) * ZEILE; }

// Diagrams a row on a landscape page: a production well's two stand side by side, a storage well's four
// two by two.
constexpr std::size_t SPALTEN_QUER = 2;

// The diagram page's content: head text and the diagrams, stacked or in rows of SPALTEN_QUER.
QSizeF DiagrammseiteFlaeche(const Inhalt& i, bool quer) {
  const std::size_t spalten = quer ? SPALTEN_QUER : 1;
  double diagramme = 0, zeile = 0;
  for (std::size_t k = 0; k < i.diagramme.size(); ++k) {
    zeile = std::max(zeile, DiagrammHoehe(i.diagramme[k]));
    if ((k + 1) % spalten != 0 && k + 1 < i.diagramme.size()) continue;
    diagramme += (diagramme > 0 ? ABSTAND : 0) + zeile;
    zeile = 0;
  }
  const auto nebeneinander = static_cast<double>(std::min(spalten, i.diagramme.size()));
  const double breite = nebeneinander > 0 ? nebeneinander * DIAGRAMM_BREITE + (nebeneinander - 1) * ABSTAND : 0;
  return {2 * RAND + std::max(TextBreite(i.kopf), breite), 2 * RAND + KOPF + TextHoehe(i.kopf) + ABSTAND + diagramme + FUSS};
}

QSizeF Flaeche(const Inhalt& i) {
  const QSizeF oben = DiagrammseiteFlaeche(i, false);
  double hoehe = oben.height(), breite = oben.width();
  if (!i.spalten.empty()) {
    hoehe += ABSTAND + TextHoehe(i.spalten) + TextHoehe(i.zeilen) + TextHoehe(i.summe);
    breite = std::max({breite, 2 * RAND + TextBreite(i.spalten), 2 * RAND + TextBreite(i.zeilen), 2 * RAND + TextBreite(i.summe)});
  }
  if (!i.jahrZeilen.empty()) {
    hoehe += ABSTAND + TextHoehe(i.jahrKopf) + TextHoehe(i.jahrZeilen);
    breite = std::max({breite, 2 * RAND + TextBreite(i.jahrKopf), 2 * RAND + TextBreite(i.jahrZeilen)});
  }
  return {breite, hoehe};
}

// An injection well's forecast runs the other way: the storage fills.
QString Titelzeile(const CZelvorDoc& doc) {
  return doc.m_Lauf.injektion ? QStringLiteral("Einspeicherprognose") : QStringLiteral("Förderprognose");
}

void Ueberschrift(QPainter& p, Lometric& l, const CZelvorDoc& doc, double mitte, const QString& unter) {
  p.setPen(Qt::black);
  p.setFont(l.Schrift(Diagrammschrift(600), 80));
  l.Text(mitte, -RAND, l.Eingepasst(doc.m_Gasbohrung, 2 * (mitte - RAND)), Lometric::Ausrichtung::MitteOben);
  p.setFont(l.Schrift(Diagrammschrift(700), 60));
  l.Text(mitte, -RAND - 100, unter, Lometric::Ausrichtung::MitteOben);
}

// Lines from y downwards; answers the y beneath the last. Only the lines that reach into sichtbar (device
// pixels; a null rectangle: everywhere) are drawn, so a long table scrolls without drawing it all.
double Textzeilen(QPainter& p, Lometric& l, const std::vector<std::string>& text, size_t von, size_t bis, double y,
                  const QRectF& sichtbar = {}) {
  p.setFont(l.Schrift(Diagrammschrift(400), SCHRIFTHOEHE));
  for (size_t k = von; k < bis && k < text.size(); ++k) {
    const double oben = l.Geraet(RAND, y).y();
    if (sichtbar.isNull() || (oben <= sichtbar.bottom() && oben + l.GeraetY(ZEILE) >= sichtbar.top()))
      l.Text(RAND, y, QString::fromStdString(text[k]));
    y -= ZEILE;
  }
  return y;
}

void Dokumentzeile(QPainter& p, Lometric& l, const std::string& titel, double hoehe) {
  p.setFont(l.Schrift(Diagrammschrift(700), 50));
  l.Text(RAND, -hoehe + RAND, QString::fromStdString(GrafikDokumentzeile(titel)));
}

// Name, head text and the diagrams; answers the y beneath them.
double DiagrammteilZeichnen(QPainter& p, Lometric& l, const Inhalt& i, const CZelvorDoc& doc, double breite,
                            bool quer) {
  Ueberschrift(p, l, doc, breite / 2, Titelzeile(doc));
  double y = Textzeilen(p, l, i.kopf, 0, i.kopf.size(), -RAND - KOPF) - ABSTAND;
  const std::size_t spalten = quer ? SPALTEN_QUER : 1;
  double unten = y, zeile = 0;
  for (std::size_t k = 0; k < i.diagramme.size(); ++k) {
    const Diagramm& d = i.diagramme[k];
    const double x = RAND + DIAGRAMM_RAND_LINKS + static_cast<double>(k % spalten) * (DIAGRAMM_BREITE + ABSTAND);
    DiagrammZeichnen(l, d, DiagrammlayoutBerechnen(d, RAHMEN), x, y - DIAGRAMM_RAND_OBEN);
    unten = std::min(unten, y - DiagrammHoehe(d));
    zeile = std::max(zeile, DiagrammHoehe(d));
    if ((k + 1) % spalten == 0) {
      y -= zeile + ABSTAND;
      zeile = 0;
    }
  }
  return unten;
}

// Rows beneath the column heads.
int ZeilenJeTabellenseite(QSizeF seite, const Inhalt& i) {
  return static_cast<int>(std::floor((seite.height() - 2 * RAND - KOPF - FUSS) / ZEILE)) -
         static_cast<int>(i.spalten.size());
}

int Zahl(const std::vector<std::string>& v) { return static_cast<int>(v.size()); }

int JahreszeilenJeSeite(QSizeF seite, const Inhalt& i) {
  return static_cast<int>(std::floor((seite.height() - 2 * RAND - KOPF - FUSS) / ZEILE)) -
         static_cast<int>(i.jahrKopf.size());
}

// A table page shrinks its text to the page's width when its widest line would run off it (a storage
// well's fill-level columns on a portrait page); answers the factor, and the page in the shrunk units.
double Tabellenfaktor(QSizeF seite, std::initializer_list<const std::vector<std::string>*> texte) {
  constexpr double DRUCKZEICHEN = 0.6 * SCHRIFTHOEHE;  // a fixed-pitch character's advance
  std::size_t zeichen = 0;
  for (const std::vector<std::string>* t : texte) zeichen = std::max(zeichen, static_cast<std::size_t>(LaengsteZeile(*t)));
  return std::min(1.0, seite.width() / (2 * RAND + static_cast<double>(zeichen) * DRUCKZEICHEN));
}
QSizeF Geschrumpft(QSizeF seite, double faktor) { return seite / faktor; }

double Prognosefaktor(const Inhalt& i, QSizeF seite) { return Tabellenfaktor(seite, {&i.spalten, &i.zeilen, &i.summe}); }
double Jahresfaktor(const Inhalt& i, QSizeF seite) { return Tabellenfaktor(seite, {&i.jahrKopf, &i.jahrZeilen}); }

int Tabellenseiten(const Inhalt& i, QSizeF seite) {
  return i.spalten.empty() ? 0
                           : PrognoseTabellenseiten(Zahl(i.zeilen), Zahl(i.summe),
                                                    ZeilenJeTabellenseite(Geschrumpft(seite, Prognosefaktor(i, seite)), i));
}

int Jahresseiten(const Inhalt& i, QSizeF seite) {
  return i.jahrZeilen.empty() ? 0
                              : PrognoseTabellenseiten(Zahl(i.jahrZeilen), 0,
                                                       JahreszeilenJeSeite(Geschrumpft(seite, Jahresfaktor(i, seite)), i));
}

class PrognoseSeiten : public Druckvorlage {
 public:
  PrognoseSeiten(const CZelvorDoc& doc, std::string titel) : m_doc(doc), m_titel(std::move(titel)) {}

  int Seitenanzahl(QSizeF seite) const override {
    const Inhalt i = InhaltAus(m_doc);
    return 1 + Tabellenseiten(i, seite) + Jahresseiten(i, seite);
  }

  void SeiteZeichnen(QPainter& p, QSizeF seite, int nr) const override {
    const Inhalt i = InhaltAus(m_doc);
    p.save();
    if (const int tabelle = Tabellenseiten(i, seite); nr > 1 + tabelle) {
      // The storage year's pages after the forecast's: its settings and column heads on each.
      const double faktor = Jahresfaktor(i, seite);
      seite = Geschrumpft(seite, faktor);
      Lometric l(p, QPointF(0, 0), p.device()->logicalDpiX() * faktor, p.device()->logicalDpiY() * faktor);
      const PrognoseSeitenzeilen z =
          PrognoseTabellenseite(nr - 1 - tabelle, Zahl(i.jahrZeilen), 0, JahreszeilenJeSeite(seite, i));
      Ueberschrift(p, l, m_doc, seite.width() / 2, QStringLiteral("Speicherjahr: Tabelle"));
      double y = Textzeilen(p, l, i.jahrKopf, 0, i.jahrKopf.size(), -RAND - KOPF);
      Textzeilen(p, l, i.jahrZeilen, static_cast<size_t>(z.von), static_cast<size_t>(z.bis), y);
      Dokumentzeile(p, l, m_titel, seite.height());
    } else if (nr <= 1) {
      const bool quer = seite.width() >= seite.height();
      const QSizeF f = DiagrammseiteFlaeche(i, quer);
      const double faktor = std::min({1.0, seite.width() / f.width(), seite.height() / f.height()});
      Lometric l(p, QPointF(0, 0), p.device()->logicalDpiX() * faktor, p.device()->logicalDpiY() * faktor);
      DiagrammteilZeichnen(p, l, i, m_doc, f.width(), quer);
      Dokumentzeile(p, l, m_titel, f.height());
    } else {
      // The column heads on every table page, then this page's share of the rows and the summary.
      const double faktor = Prognosefaktor(i, seite);
      seite = Geschrumpft(seite, faktor);
      Lometric l(p, QPointF(0, 0), p.device()->logicalDpiX() * faktor, p.device()->logicalDpiY() * faktor);
      const PrognoseSeitenzeilen z =
          PrognoseTabellenseite(nr - 1, Zahl(i.zeilen), Zahl(i.summe), ZeilenJeTabellenseite(seite, i));
      Ueberschrift(p, l, m_doc, seite.width() / 2, Titelzeile(m_doc) + QStringLiteral(": Tabelle"));
      double y = -RAND - KOPF;
      if (z.bis > z.von) y = Textzeilen(p, l, i.spalten, 0, i.spalten.size(), y);
      y = Textzeilen(p, l, i.zeilen, static_cast<size_t>(z.von), static_cast<size_t>(z.bis), y);
      if (z.summe) Textzeilen(p, l, i.summe, 0, i.summe.size(), y);
      Dokumentzeile(p, l, m_titel, seite.height());
    }
    p.restore();
  }

 private:
  const CZelvorDoc& m_doc;
  std::string m_titel;
};

}  // namespace

QSizeF PrognoseFlaeche(const CZelvorDoc& doc) { return Flaeche(InhaltAus(doc)); }

void PrognoseZeichnen(QPainter& p, QPointF ursprung, const CZelvorDoc& doc, const std::string& titel,
                      const QRectF& sichtbar) {
  const Inhalt i = InhaltAus(doc);
  const QSizeF f = Flaeche(i);
  p.save();
  Lometric l(p, ursprung, p.device()->logicalDpiX(), p.device()->logicalDpiY());
  double y = DiagrammteilZeichnen(p, l, i, doc, f.width(), false) - ABSTAND;
  for (const std::vector<std::string>* t : {&i.spalten, &i.zeilen, &i.summe})
    y = Textzeilen(p, l, *t, 0, t->size(), y, sichtbar);
  if (!i.jahrZeilen.empty()) {
    y -= ABSTAND;
    for (const std::vector<std::string>* t : {&i.jahrKopf, &i.jahrZeilen})
      y = Textzeilen(p, l, *t, 0, t->size(), y, sichtbar);
  }
  Dokumentzeile(p, l, titel, f.height());
  p.restore();
}

std::unique_ptr<Druckvorlage> PrognoseDruckvorlage(const CZelvorDoc& doc, std::string titel) {
  return std::make_unique<PrognoseSeiten>(doc, std::move(titel));
}

QImage PrognoseBild(const CZelvorDoc& doc, const std::string& titel, double dpi) {
  const QSizeF f = PrognoseFlaeche(doc);
  QImage bild = WeissesBild(f.width(), f.height(), dpi);
  QPainter p(&bild);
  PrognoseZeichnen(p, QPointF(0, 0), doc, titel);
  return bild;
}

QString PrognoseAlsSvg(const QString& pfad, const CZelvorDoc& doc, const std::string& titel) {
  const QSizeF f = PrognoseFlaeche(doc);
  const QSize groesse(static_cast<int>(std::ceil(f.width())), static_cast<int>(std::ceil(f.height())));
  // Made in memory, then written as every file the user names (views/Ausgabedatei.h).
  return SvgSchreiben(pfad, groesse, doc.m_Gasbohrung,
                      [&](QPainter& p) { PrognoseZeichnen(p, QPointF(0, 0), doc, titel); });
}

}  // namespace zelvor
