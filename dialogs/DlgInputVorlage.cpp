#include "dialogs/DlgInputVorlage.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "dialogs/Dialogeinheiten.h"
#include "doc/Eingabemaske.h"

namespace zelvor {

const std::vector<Vorlagenelement>& DlgInputVorlage() {
  using S = Steuerart;
  // Labels stand left of their fields, vertically centred on them.
  static const std::vector<Vorlagenelement> vorlage = {
      {0, S::Text, "Name der Gasbohrung", 5, 10, 71, 8},
      {IDC_GASBOHRUNG, S::Eingabe, "", 78, 7, 91, 14},
      {0, S::Text, "Gaszusammensetzung in Prozent", 7, 25, 150, 8},
      {0, S::Text, "H2S", 7, 40, 30, 8},
      {IDC_H2S, S::Eingabe, "", 39, 37, 40, 14},
      {0, S::Text, "CO2", 7, 54, 30, 8},
      {IDC_CO2, S::Eingabe, "", 39, 51, 40, 14},
      {0, S::Text, "N2", 7, 68, 30, 8},
      {IDC_N2, S::Eingabe, "", 40, 65, 40, 14},
      {0, S::Text, "CH4", 7, 83, 30, 8},
      {IDC_CH4, S::Eingabe, "", 41, 80, 40, 14},
      {0, S::Text, "C2H6", 7, 98, 30, 8},
      {IDC_C2H6, S::Eingabe, "", 41, 95, 40, 14},
      {0, S::Text, "C3H8", 7, 113, 30, 8},
      {IDC_C3H8, S::Eingabe, "", 41, 110, 40, 14},
      {0, S::Text, "iC4H10", 7, 128, 30, 8},
      {IDC_IC4H10, S::Eingabe, "", 41, 125, 40, 14},
      {0, S::Text, "nC4H10", 7, 143, 30, 8},
      {IDC_NC4H10, S::Eingabe, "", 41, 140, 40, 14},
      {0, S::Text, "iC5H12", 88, 39, 30, 8},
      {IDC_IC5H12, S::Eingabe, "", 120, 36, 40, 14},
      {0, S::Text, "nC5H12", 88, 53, 30, 8},
      {IDC_NC5H12, S::Eingabe, "", 120, 50, 40, 14},
      {0, S::Text, "C6H14", 88, 68, 30, 8},
      {IDC_C6H14, S::Eingabe, "", 119, 65, 40, 14},
      {0, S::Text, "C7H16", 88, 83, 30, 8},
      {IDC_C7H16, S::Eingabe, "", 119, 80, 40, 14},
      {0, S::Text, "C8H18", 88, 97, 30, 8},
      {IDC_C8H18, S::Eingabe, "", 119, 94, 40, 14},
      {0, S::Text, "C9H20", 88, 111, 30, 8},
      {IDC_C9H20, S::Eingabe, "", 119, 108, 40, 14},
      {0, S::Text, "C10H22", 88, 126, 30, 8},
      {IDC_C10H22, S::Eingabe, "", 120, 123, 40, 14},
      {0, S::Text, "Summe", 88, 141, 30, 8},
      {IDC_SUMME, S::Text, "", 120, 140, 40, 11},
      {0, S::Text, "Lagertstättentemperatur ( Grad C )", 5, 172, 112, 8},
      {IDC_TEMPERATUR, S::Eingabe, "", 120, 169, 40, 14},
      {0, S::Text, "Kopftemperatur ( °C )", 165, 172, 120, 8},
      {IDC_KOPFTEMPERATUR, S::Eingabe, "", 287, 169, 40, 14},
      {0, S::Text, "Original Gas in Place ( Mio m3 )", 5, 187, 112, 8},
      {IDC_OGIP, S::Eingabe, "", 119, 184, 40, 14},
      {0, S::Text, "Lagerstättenteufe (m)", 165, 187, 120, 8},
      {IDC_TEUFE, S::Eingabe, "", 287, 184, 40, 14},
      {0, S::Text, "Initialdruck                 (bar)", 5, 201, 112, 8},
      {IDC_INITIALDRUCK, S::Eingabe, "", 120, 198, 40, 14},
      {0, S::Text, "Steigrohrdurchmesser(cm)", 165, 201, 120, 8},
      {IDC_DURCHMESSER, S::Eingabe, "", 287, 198, 40, 14},
      {0, S::Text, "Wasserinvasion (Mio m3)", 5, 215, 112, 8},
      {IDC_WASSERINVASION, S::Eingabe, "", 120, 212, 40, 14},
      {0, S::Text, "Bohrlochlänge (m)", 165, 215, 120, 8},
      {IDC_BOHRLOCHLAENGE, S::Eingabe, "", 287, 212, 40, 14},
      {0, S::Text, "A1- Wert", 7, 257, 33, 8},
      {IDC_A1, S::Eingabe, "", 42, 254, 40, 14},
      {0, S::Text, "B1-Wert", 88, 257, 31, 8},
      {IDC_B1, S::Eingabe, "", 121, 254, 40, 14},
      {IDC_ABBRECHEN, S::Knopf, "Abbrechen", 308, 7, 50, 14},
      {IDC_OK, S::Standardknopf, "OK", 256, 7, 50, 14},
      {IDC_RATENDATEI, S::Knopf, "Ratendatei öfnen", 254, 112, 68, 14},
      {IDC_LISTE, S::Liste, "", 175, 58, 185, 40},
      {0, S::Text, "Gp(mio m3)    Rate(m3/h)   Kopfdruck(bar)", 175, 33, 143, 8},
      {IDC_ZEILE, S::Eingabe, "", 175, 43, 143, 14},
      {0, S::Text, "Datum", 320, 33, 40, 8},
      {IDC_DATUM, S::Eingabe, "", 320, 43, 40, 14},
      {0, S::Rahmen, "", 175, 108, 76, 51},
      {IDC_ZEILE_AENDERN, S::Option, "Zeile ändern", 181, 116, 55, 10},
      {IDC_ZEILE_ANHAENGEN, S::Option, "Zeile anhängen", 182, 126, 65, 10},
      {IDC_ZEILE_EINFUEGEN, S::Option, "Zeile einfügen", 181, 136, 61, 10},
      {IDC_ZEILE_LOESCHEN, S::Option, "Zeile löschen", 181, 146, 58, 10},
      {0, S::Text, "Zeile mit Doppelklick wählen", 254, 131, 104, 8},
      {0, S::Text, "Option wählen", 254, 141, 104, 8},
      {0, S::Text, "Zeile editieren", 254, 151, 104, 8},
      {IDC_STATUS, S::Text, "", 175, 98, 143, 8},
      {IDC_A1B1, S::Knopf, "Berechnung von A1 und B1", 177, 256, 93, 14},
      {IDC_GRAFIK_RATEN, S::Schalter, "Grafik mit Raten", 275, 257, 70, 10},
      {IDC_INJEKTION, S::Schalter, "Injektionsraten", 275, 269, 62, 10},
      {IDC_HILFE, S::Knopf, "Hilfe", 203, 7, 50, 14},
      {0, S::Text, "Bohrungsanzahl ( - )", 5, 231, 112, 8},
      {IDC_BOHRUNGSANZAHL, S::Eingabe, "", 119, 228, 40, 14},
      {IDC_VARIABLER_C, S::Schalter, "Variabler C-Wert", 275, 246, 67, 10},
      {0, S::Text, "Wasser-Gas-Verhältnis(l/1000 m3)", 165, 230, 120, 8},
      {IDC_WGV, S::Eingabe, "", 287, 227, 40, 14},
  };
  return vorlage;
}

namespace {

// The rate-line list. With no line to carry the focus mark, the list marks itself when it has the focus,
// so that Tab does not seem to lose it.
class Ratenlistenfeld : public QListWidget {
 public:
  using QListWidget::QListWidget;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QListWidget::paintEvent(e);
    if (!hasFocus() || count() > 0) return;
    QStylePainter p(viewport());
    QStyleOptionFocusRect o;
    o.initFrom(viewport());
    o.rect = viewport()->rect().adjusted(1, 1, -1, -1);
    o.backgroundColor = palette().color(QPalette::Base);
    p.drawPrimitive(QStyle::PE_FrameFocusRect, o);
  }
  void focusInEvent(QFocusEvent* e) override {
    QListWidget::focusInEvent(e);
    viewport()->update();
  }
  void focusOutEvent(QFocusEvent* e) override {
    QListWidget::focusOutEvent(e);
    viewport()->update();
  }
};

QWidget* Erzeugen(const Vorlagenelement& e, QDialog& dialog) {
  const QString text = QString::fromUtf8(e.text);
  switch (e.art) {
    case Steuerart::Eingabe:
      return new QLineEdit(&dialog);
    case Steuerart::Text: {
      auto* l = new QLabel(text, &dialog);
      l->setTextFormat(Qt::PlainText);  // a status may carry a path, which is no markup
      l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return l;
    }
    case Steuerart::Knopf:
    case Steuerart::Standardknopf: {
      auto* k = new QPushButton(text, &dialog);
      k->setDefault(e.art == Steuerart::Standardknopf);
      return k;
    }
    case Steuerart::Liste: {
      auto* l = new Ratenlistenfeld(&dialog);
      l->setSelectionMode(QAbstractItemView::SingleSelection);
      l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      return l;
    }
    case Steuerart::Option: {
      auto* o = new QRadioButton(text, &dialog);
      o->setFocusPolicy(Qt::ClickFocus);  // no tab stop, but a click takes the focus
      return o;
    }
    case Steuerart::Schalter:
      return new QCheckBox(text, &dialog);
    case Steuerart::Rahmen:
      return new QGroupBox(&dialog);
  }
  return nullptr;
}

}  // namespace

QHash<int, QWidget*> DlgInputAnlegen(QDialog& dialog) {
  dialog.setFont(DialogSchrift());
  dialog.setWindowTitle(QStringLiteral("Eingabedialog zum Programm Zelvor"));
  const Dialogeinheiten du(dialog.font());
  QHash<int, QWidget*> elemente;
  QWidget* vorige = nullptr;
  for (const Vorlagenelement& e : DlgInputVorlage()) {
    QWidget* w = Erzeugen(e, dialog);
    w->setGeometry(du.Rechteck(e.x, e.y, e.breite, e.hoehe));
    if (e.art == Steuerart::Rahmen) w->lower();  // behind the option buttons it frames
    if (e.id != 0) {
      w->setObjectName(QStringLiteral("id%1").arg(e.id));
      elemente.insert(e.id, w);
    }
    if (w->focusPolicy() & Qt::TabFocus) {
      if (vorige) QWidget::setTabOrder(vorige, w);
      vorige = w;
    }
  }
  dialog.setFixedSize(du.X(VORLAGE_BREITE), du.Y(VORLAGE_HOEHE));
  return elemente;
}

}  // namespace zelvor
