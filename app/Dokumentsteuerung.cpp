#include "app/Dokumentsteuerung.h"

#include <QDir>

#include "app/Dateiwahl.h"
#include "app/Rueckfrage.h"
#include "calc/Format.h"
#include "doc/Aquifereinstellungen.h"
#include "doc/DokumentAbgleich.h"
#include "doc/DokumentAquifer.h"
#include "doc/DokumentSpeicher.h"
#include "doc/Dokumenttitel.h"
#include "doc/ErgebnisDatei.h"
#include "doc/ZlvArchiv.h"

namespace zelvor {

Dokumentsteuerung::Dokumentsteuerung(QObject* parent) : QObject(parent) {
  // Until the dialogs are installed, a data entry and the forecast settings confirm the values unchanged.
  m_Eingabe = [](Eingabewerte&) { return true; };
  m_Prognoseeingabe = [](Prognoseeinstellungen&, bool, bool, Speichereinstellungen&, double) { return true; };
}

QString Dokumentsteuerung::GetTitle() const {
  return QString::fromStdString(Dokumenttitel(m_Pfad.toStdString()));
}

void Dokumentsteuerung::SetModifiedFlag(bool modified) {
  if (m_bModified == modified) return;
  m_bModified = modified;
  emit TitelGeaendert();
}

void Dokumentsteuerung::PfadSetzen(const QString& pfad) {
  m_Pfad = pfad;
  if (pfad.isEmpty()) m_Dateistand = {};
  emit TitelGeaendert();
}

bool Dokumentsteuerung::UeberschreibenErlaubt(const QString& pfad) {
  if (pfad != m_Pfad || !m_Dateistand.vorhanden) return true;
  const Dateistand jetzt = DateistandLesen(pfad.toStdString());
  if (!jetzt.vorhanden || jetzt == m_Dateistand) return true;
  return Rueckfragen().JaNein(
      m_Besitzer, QStringLiteral("Die Datei %1 wurde seit dem Öffnen von einem anderen Programm geändert.\n"
                                 "Soll sie trotzdem mit dieser Bohrung überschrieben werden?")
                      .arg(pfad));
}

void Dokumentsteuerung::OnNewDocument() {
  m_Doc.NeuesDokument();
  m_Doc.ErgebnisseLoeschen();
  PfadSetzen({});
  SetModifiedFlag(false);
  UpdateAllViews();
}

void Dokumentsteuerung::OnFileNew() {
  if (!SaveModified()) return;
  // The new well has no file yet: a later save must ask for a name instead of overwriting the old one.
  m_Doc.StandardwerteSetzen();
  m_Doc.ErgebnisseLoeschen();
  PfadSetzen({});
  SetModifiedFlag(false);
  UpdateAllViews();
  OnDatenAendern();
}

bool Dokumentsteuerung::OnOpenDocument(const QString& pfad, bool mitEingabe) {
  CZelvorDoc geladen = m_Doc;
  // Taken before reading: a change while reading then counts as a change since.
  const Dateistand stand = DateistandLesen(pfad.toStdString());
  const ZlvErgebnis r = ZlvDateiLaden(pfad.toStdString(), geladen);
  if (r.status != ZlvStatus::Ok) {
    if (r.status == ZlvStatus::Abgeschnitten) {
      // The file was partly read into the well: what remains is no well, so start afresh.
      OnNewDocument();
      Rueckfragen().Fehler(m_Besitzer, QString::fromStdString(r.meldung) +
                                           QStringLiteral("\nEs wurde eine neue Bohrung angelegt."));
    } else {
      Rueckfragen().Fehler(m_Besitzer, QString::fromStdString(r.meldung));
    }
    emit DateiUnbrauchbar(pfad);
    return false;
  }
  m_Doc = std::move(geladen);
  // Said before the data entry: what the well shows lacks what could not be read, and a save keeps it.
  if (!r.hinweis.empty()) Rueckfragen().Meldung(m_Besitzer, QString::fromStdString(r.hinweis));
  // The previous well's results must not appear under the new name.
  m_Doc.ErgebnisseLoeschen();
  PfadSetzen(pfad);
  m_Dateistand = stand;
  emit AnsichtenNeuInitialisieren();
  // Shown at once, also when the data entry is cancelled and no evaluation follows.
  UpdateAllViews();
  const CZelvorDoc ausDatei = m_Doc;
  if (mitEingabe) {
    OnDatenAendern();
  } else {
    EingabewerteUebernehmen(m_Doc, EingabewerteAusDokument(m_Doc));
    UpdateAllViews();
  }
  // An edit in the dialog that opens with the file must not be lost without a question: the well counts
  // as modified exactly when it no longer matches the file.
  SetModifiedFlag(!ZlvGleich(ausDatei, m_Doc));
  emit DateiBenutzt(pfad);
  return true;
}

bool Dokumentsteuerung::OnSaveDocument(const QString& pfad) {
  if (!UeberschreibenErlaubt(pfad)) return false;
  // The same lock as zelvor-cli's changes, so that none of them is lost in between.
  Dateisperre sperre;
  std::string fehler = DateiSperren(pfad.toStdString(), sperre, std::chrono::seconds(5));
  if (fehler.empty()) fehler = ZlvDateiSpeichern(pfad.toStdString(), m_Doc);
  if (!fehler.empty()) {
    Rueckfragen().Fehler(m_Besitzer, QString::fromStdString(fehler));
    return false;
  }
  m_Dateistand = DateistandLesen(pfad.toStdString());
  PfadSetzen(pfad);
  SetModifiedFlag(false);
  emit DateiBenutzt(pfad);
  return true;
}

bool Dokumentsteuerung::OnFileSave() {
  if (m_Pfad.isEmpty()) return OnFileSaveAs();
  return OnSaveDocument(m_Pfad);
}

bool Dokumentsteuerung::OnFileSaveAs() {
  const QString vorschlag = m_Pfad.isEmpty() ? GetTitle() + QStringLiteral(".zlv") : m_Pfad;
  const QString pfad = MitEndung(DateiWaehlen(m_Besitzer, true, vorschlag));
  if (pfad.isEmpty()) return false;
  return OnSaveDocument(pfad);
}

bool Dokumentsteuerung::SaveModified() {
  if (!m_bModified) return true;
  const QString frage = QStringLiteral("Änderungen an %1 speichern?").arg(GetTitle());
  switch (Rueckfragen().JaNeinAbbrechen(m_Besitzer, frage)) {
    case Rueckfrage::Antwort::Ja: return OnFileSave();
    case Rueckfrage::Antwort::Nein: return true;
    case Rueckfrage::Antwort::Abbrechen: return false;
  }
  return false;
}

void Dokumentsteuerung::OnDatenAendern() {
  Eingabewerte werte = EingabewerteAusDokument(m_Doc);
  if (!m_Eingabe(werte)) return;
  if (EingabewerteUebernehmen(m_Doc, werte)) SetModifiedFlag(true);
  UpdateAllViews();
}

void Dokumentsteuerung::OnPrognoseEinstellungen() {
  Prognoseeinstellungen e = m_Doc.m_Prognose;
  Speichereinstellungen s = m_Doc.m_Speicher;
  if (!m_Prognoseeingabe(e, m_Doc.m_bVariablerC != 0, m_Doc.m_bInjektion != 0, s, m_Doc.m_OGIP)) return;
  if (e != m_Doc.m_Prognose || s != m_Doc.m_Speicher) {
    const bool speicher = s != m_Doc.m_Speicher || e.pResMax != m_Doc.m_Prognose.pResMax;
    m_Doc.m_Prognose = e;
    m_Doc.m_Speicher = std::move(s);
    SetModifiedFlag(true);
    // Taken, but what speaks against the volumes is said at once, not only on the storage pages.
    QString hinweise;
    if (speicher)
      for (const std::string& h : DokumentKennlinien(m_Doc).hinweise)
        hinweise += (hinweise.isEmpty() ? QString() : QStringLiteral("\n")) + QString::fromStdString(h);
    if (!hinweise.isEmpty()) Rueckfragen().Meldung(m_Besitzer, hinweise);
  }
  UpdateAllViews();
}

void Dokumentsteuerung::OnMessungen() {
  if (!m_Messungseingabe) return;
  std::vector<Schliessdruckmessung> m = m_Doc.m_Messungen;
  if (!m_Messungseingabe(m)) return;
  if (m != m_Doc.m_Messungen) {
    m_Doc.m_Messungen = std::move(m);
    SetModifiedFlag(true);
  }
  UpdateAllViews();
}

void Dokumentsteuerung::OnAquifer() {
  if (!m_Aquifereingabe) return;
  Aquiferdaten a = m_Doc.m_Aquifer;
  if (!m_Aquifereingabe(a)) return;
  if (AquiferUebernehmen(m_Doc, a)) SetModifiedFlag(true);
  UpdateAllViews();
}

namespace {

bool MessbilanzGemacht(const Messbilanz& m) { return m.Gemacht() && m.bilanz.Gemacht(); }

}  // namespace

bool Dokumentsteuerung::GasvorratAbgeglichen() const {
  return DokumentAbgleich(m_Doc).Gemacht() || (!m_Doc.m_Messungen.empty() && MessbilanzGemacht(DokumentMessbilanz(m_Doc))) ||
         (m_Doc.m_Aquifer.Gesetzt() && DokumentAquiferanpassung(m_Doc).Gemacht());
}

void Dokumentsteuerung::OnGasvorratUebernehmen() {
  const Gasvorratsabgleich a = DokumentAbgleich(m_Doc);
  const Messbilanz mb = DokumentMessbilanz(m_Doc);
  const bool messungen = MessbilanzGemacht(mb);
  std::optional<Aquiferanpassung> aquifer;
  if (m_Doc.m_Aquifer.Gesetzt()) aquifer = DokumentAquiferanpassung(m_Doc);
  double g = a.g;
  if (messungen || (aquifer && aquifer->Gemacht())) {
    // Two estimates (or the surveys' alone): each button says which value it adopts.
    const GasvorratWahl wahl =
        GasvorratWahlAus(a, mb.bilanz, static_cast<double>(m_Doc.m_OGIP), aquifer ? &*aquifer : nullptr);
    QStringList knoepfe;
    for (const std::string& k : wahl.knoepfe) knoepfe << QString::fromStdString(k);
    const int gewaehlt = Rueckfragen().Auswahl(m_Besitzer, QString::fromStdString(wahl.frage), knoepfe);
    if (gewaehlt < 0 || gewaehlt >= static_cast<int>(wahl.werte.size())) return;
    if (gewaehlt == wahl.aquiferKnopf) {
      if (const auto m = AquiferUebernehmen(m_Doc, *aquifer)) {
        Rueckfragen().Meldung(m_Besitzer, QString::fromStdString(*m));
        return;
      }
      SetModifiedFlag(true);
      UpdateAllViews();
      return;
    }
    g = wahl.werte[static_cast<std::size_t>(gewaehlt)];
  } else {
    if (!a.Gemacht()) return;
    const QString frage = QString::fromStdString(
        Formatiere("Soll der abgeglichene Gasvorrat von %.1f Mio m3 (95 %%-Bereich %.1f bis %.1f Mio m3) als OGIP "
                   "übernommen werden? Bisher sind es %.1f Mio m3.",
                   UebernommenerGasvorrat(a.g), a.gUnten, a.gOben, a.ogip));
    if (!Rueckfragen().JaNein(m_Besitzer, frage)) return;
  }
  if (const auto m = GasvorratUebernehmen(m_Doc, g)) {
    Rueckfragen().Meldung(m_Besitzer, QString::fromStdString(*m));
    return;
  }
  SetModifiedFlag(true);
  UpdateAllViews();
}

void Dokumentsteuerung::OnErgebnisseAusgeben() {
  const std::string pfad = ErgebnisDateiPfad(QDir::currentPath().toStdString());
  const std::string fehler = ErgebnisseSchreiben(pfad, Titel(), m_Doc.m_Ergebnis);
  if (!fehler.empty()) {
    Rueckfragen().Fehler(m_Besitzer, QString::fromStdString(fehler));
    return;
  }
  Rueckfragen().Meldung(m_Besitzer, QString::fromUtf8(ERGEBNISSE_GESCHRIEBEN));
}

void Dokumentsteuerung::OnErgebnisseEinlesen() {
  const ErgebnisseGelesen g = ErgebnisseLesen(ErgebnisDateiPfad(QDir::currentPath().toStdString()));
  const int anzahl = static_cast<int>(g.zeilen.size());
  m_Doc.ErgebnisseEingelesen(g.zeilen);
  UpdateAllViews();
  Rueckfragen().Meldung(m_Besitzer, QString::fromStdString(ErgebnisseEingelesenMeldung(anzahl)));
}

}  // namespace zelvor
