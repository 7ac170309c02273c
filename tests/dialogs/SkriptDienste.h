#pragma once
// Scripted services for the input dialog: records every message, question and help request, answers
// questions from a queue (No when it runs dry), "chooses" a rate file without a file dialog and holds
// the clipboard's text.
#include <QStringList>
#include <deque>

#include "dialogs/DialogDienste.h"

namespace zelvor {

struct SkriptDienste {
  QStringList meldungen;
  QStringList fragen;
  std::deque<bool> antworten;
  QList<int> hilfeKontexte;
  bool hilfeVorhanden = false;
  QString ratendatei;  // empty: the user cancels the file dialog
  int dateiwahlen = 0;
  QString zwischenablage;  // the clipboard's text

  DialogDienste Dienste() {
    DialogDienste d;
    d.meldung = [this](QWidget*, const QString& text) { meldungen << text; };
    d.frage = [this](QWidget*, const QString& text) {
      fragen << text;
      if (antworten.empty()) return false;
      const bool ja = antworten.front();
      antworten.pop_front();
      return ja;
    };
    d.hilfe = [this](QWidget*, int kontext) {
      hilfeKontexte << kontext;
      return hilfeVorhanden;
    };
    d.ratendateiWaehlen = [this](QWidget*) {
      ++dateiwahlen;
      return ratendatei;
    };
    d.zwischenablage = [this] { return zwischenablage; };
    return d;
  }

  void Vergessen() {
    meldungen.clear();
    fragen.clear();
  }
};

}  // namespace zelvor
