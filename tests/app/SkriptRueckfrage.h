#pragma once
// Answers the program's message boxes and questions from a script, and records what was asked.
#include <QStringList>
#include <deque>

#include "app/Rueckfrage.h"

namespace zelvor {

class SkriptRueckfrage : public Rueckfrage {
 public:
  SkriptRueckfrage() { RueckfragenSetzen(this); }
  ~SkriptRueckfrage() override { RueckfragenSetzen(nullptr); }

  void Meldung(QWidget*, const QString& text) override { meldungen << text; }
  void Fehler(QWidget*, const QString& text) override { fehler << text; }
  bool JaNein(QWidget*, const QString& text) override {
    fragen << text;
    return Naechste() == Antwort::Ja;
  }
  Antwort JaNeinAbbrechen(QWidget*, const QString& text) override {
    fragen << text;
    return Naechste();
  }

  int Auswahl(QWidget*, const QString& text, const QStringList& k) override {
    fragen << text;
    knoepfe.append(k);
    if (auswahlen.empty()) return -1;
    const int a = auswahlen.front();
    auswahlen.pop_front();
    return a;
  }

  std::deque<Antwort> antworten;  // used up front to back; No when empty
  std::deque<int> auswahlen;      // the same for Auswahl; cancelled when empty
  QList<QStringList> knoepfe;     // the buttons each Auswahl offered
  QStringList meldungen, fehler, fragen;

 private:
  Antwort Naechste() {
    if (antworten.empty()) return Antwort::Nein;
    const Antwort a = antworten.front();
    antworten.pop_front();
    return a;
  }
};

}  // namespace zelvor
