#include "app/Rueckfrage.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/Anwendungstexte.h"

namespace zelvor {
namespace {

class Meldungsfenster : public Rueckfrage {
 public:
  void Meldung(QWidget* besitzer, const QString& text) override {
    QMessageBox box(QMessageBox::NoIcon, ANWENDUNGSTITEL, text, QMessageBox::Ok, besitzer);
    box.exec();
  }
  void Fehler(QWidget* besitzer, const QString& text) override {
    QMessageBox box(QMessageBox::Warning, ANWENDUNGSTITEL, text, QMessageBox::Ok, besitzer);
    box.exec();
  }
  bool JaNein(QWidget* besitzer, const QString& text) override {
    QMessageBox box(QMessageBox::Question, ANWENDUNGSTITEL, text, QMessageBox::Yes | QMessageBox::No, besitzer);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
  }
  Antwort JaNeinAbbrechen(QWidget* besitzer, const QString& text) override {
    QMessageBox box(QMessageBox::Warning, ANWENDUNGSTITEL, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, besitzer);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
      case QMessageBox::Yes: return Antwort::Ja;
      case QMessageBox::No: return Antwort::Nein;
      default: return Antwort::Abbrechen;
    }
  }
  int Auswahl(QWidget* besitzer, const QString& text, const QStringList& knoepfe) override {
    QMessageBox box(QMessageBox::Question, ANWENDUNGSTITEL, text, QMessageBox::NoButton, besitzer);
    QList<QAbstractButton*> gewaehlt;
    for (const QString& k : knoepfe) gewaehlt << box.addButton(k, QMessageBox::AcceptRole);
    box.setEscapeButton(box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole));
    if (!gewaehlt.isEmpty()) box.setDefaultButton(qobject_cast<QPushButton*>(gewaehlt.front()));
    box.exec();
    return static_cast<int>(gewaehlt.indexOf(box.clickedButton()));
  }
};

Rueckfrage* g_Dienst = nullptr;

}  // namespace

Rueckfrage& Rueckfragen() {
  static Meldungsfenster fenster;
  return g_Dienst ? *g_Dienst : fenster;
}

void RueckfragenSetzen(Rueckfrage* r) { g_Dienst = r; }

}  // namespace zelvor
