#include "app/ZuletztGeoeffnet.h"

#include <QFileInfo>
#include <QSettings>

#include "app/Anwendungstexte.h"

namespace zelvor {
namespace {

const QString GRUPPE = QStringLiteral("Recent File List");

QString Schluessel(int i) { return QStringLiteral("File%1").arg(i + 1); }

void Schreiben(const QStringList& liste) {
  QSettings s(PROFILSCHLUESSEL, ANWENDUNGSTITEL);
  s.beginGroup(GRUPPE);
  for (int i = 0; i < MAX_LETZTE_DATEIEN; ++i) {
    if (i < liste.size())
      s.setValue(Schluessel(i), liste[i]);
    else
      s.remove(Schluessel(i));
  }
  s.endGroup();
}

QString Normal(const QString& pfad) { return QFileInfo(pfad).absoluteFilePath(); }

}  // namespace

QStringList ZuletztGeoeffnet::Liste() const {
  QSettings s(PROFILSCHLUESSEL, ANWENDUNGSTITEL);
  s.beginGroup(GRUPPE);
  QStringList liste;
  for (int i = 0; i < MAX_LETZTE_DATEIEN; ++i) {
    const QString p = s.value(Schluessel(i)).toString();
    if (!p.isEmpty() && !liste.contains(p)) liste << p;
  }
  return liste;
}

void ZuletztGeoeffnet::Hinzufuegen(const QString& pfad) {
  QStringList liste = Liste();
  const QString p = Normal(pfad);
  liste.removeAll(p);
  liste.prepend(p);
  while (liste.size() > MAX_LETZTE_DATEIEN) liste.removeLast();
  Schreiben(liste);
}

void ZuletztGeoeffnet::Entfernen(const QString& pfad) {
  QStringList liste = Liste();
  liste.removeAll(Normal(pfad));
  Schreiben(liste);
}

}  // namespace zelvor
