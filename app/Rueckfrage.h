#pragma once
// Every message box and question of the program goes through here, so that tests can answer them and no
// test ever waits on a modal box.
#include <QString>
#include <QStringList>

class QWidget;

namespace zelvor {

class Rueckfrage {
 public:
  enum class Antwort { Ja, Nein, Abbrechen };
  virtual ~Rueckfrage() = default;
  // A message with an OK button only.
  virtual void Meldung(QWidget* besitzer, const QString& text) = 0;
  // A failure (file cannot be opened, read or written), with a warning sign.
  virtual void Fehler(QWidget* besitzer, const QString& text) = 0;
  // A question where only Yes acts.
  virtual bool JaNein(QWidget* besitzer, const QString& text) = 0;
  // Yes, No or Cancel, as before a modified well is replaced.
  virtual Antwort JaNeinAbbrechen(QWidget* besitzer, const QString& text) = 0;
  // One of several answers, each a button named after what it does, and "Abbrechen": the index of the
  // chosen one, -1 when cancelled.
  virtual int Auswahl(QWidget* besitzer, const QString& text, const QStringList& knoepfe) = 0;
};

// The service in use; message boxes unless a test installed its own.
Rueckfrage& Rueckfragen();
// Installs r (not owned); nullptr returns to message boxes.
void RueckfragenSetzen(Rueckfrage* r);

}  // namespace zelvor
