#include "app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "doc/Programmversion.h"

// The resource sits in a static library: without this reference the linker may drop it.
static void LizenzRessourceEinbinden() { Q_INIT_RESOURCE(CAboutDlg); }

namespace zelvor {
namespace {

QString Ressource(const QString& name) {
  LizenzRessourceEinbinden();
  QFile datei(QStringLiteral(":/lizenz/") + name);
  if (!datei.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(datei.readAll());
}

}  // namespace

QString CAboutDlg::Lizenztext() { return Ressource(QStringLiteral("LICENSE")); }
QString CAboutDlg::Drittsoftwaretext() { return Ressource(QStringLiteral("THIRD-PARTY-NOTICES")); }

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Info über zelvor"));
  auto* symbol = new QLabel(this);
  symbol->setPixmap(QIcon(QStringLiteral(":/icons/zelvor.svg")).pixmap(32, 32));
  auto* text = new QLabel(QStringLiteral("zelvor Version ") + QString::fromLatin1(PROGRAMMVERSION), this);
  text->setObjectName(QStringLiteral("Version"));
  auto* hinweis = new QLabel(QStringLiteral("Copyright 2026 Die Autoren von zelvor.\n"
                                            "Lizenziert unter der Apache License 2.0, ohne jede Gewährleistung.\n"
                                            "Verwendet Qt 6 (LGPL 3) und weitere Bibliotheken: siehe „Drittsoftware“."),
                             this);
  hinweis->setObjectName(QStringLiteral("Lizenzhinweis"));
  auto* knoepfe = new QDialogButtonBox(this);
  QPushButton* lizenz = knoepfe->addButton(QStringLiteral("&Lizenz..."), QDialogButtonBox::ActionRole);
  lizenz->setObjectName(QStringLiteral("Lizenz"));
  QPushButton* dritte = knoepfe->addButton(QStringLiteral("&Drittsoftware..."), QDialogButtonBox::ActionRole);
  dritte->setObjectName(QStringLiteral("Drittsoftware"));
  QPushButton* ok = knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(lizenz, &QPushButton::clicked, this,
          [this] { TextZeigen(QStringLiteral("Lizenz von zelvor"), Lizenztext()); });
  connect(dritte, &QPushButton::clicked, this,
          [this] { TextZeigen(QStringLiteral("Drittsoftware in zelvor"), Drittsoftwaretext()); });

  auto* zeile = new QHBoxLayout;
  zeile->addWidget(symbol, 0, Qt::AlignTop);
  zeile->addSpacing(12);
  auto* texte = new QVBoxLayout;
  texte->addWidget(text);
  texte->addWidget(hinweis);
  zeile->addLayout(texte, 1);
  auto* spalte = new QVBoxLayout(this);
  spalte->addLayout(zeile);
  spalte->addWidget(knoepfe);
  setFixedSize(sizeHint());
}

// A plain read-only window over the text; it deletes itself when closed.
void CAboutDlg::TextZeigen(const QString& titel, const QString& text) {
  auto* fenster = new QDialog(this);
  fenster->setAttribute(Qt::WA_DeleteOnClose);
  fenster->setObjectName(QStringLiteral("Lizenztext"));
  fenster->setWindowTitle(titel);
  auto* anzeige = new QPlainTextEdit(fenster);
  anzeige->setReadOnly(true);
  anzeige->setLineWrapMode(QPlainTextEdit::NoWrap);
  anzeige->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  anzeige->setPlainText(text);
  auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, fenster);
  knoepfe->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
  connect(knoepfe, &QDialogButtonBox::rejected, fenster, &QDialog::reject);
  auto* spalte = new QVBoxLayout(fenster);
  spalte->addWidget(anzeige);
  spalte->addWidget(knoepfe);
  fenster->resize(760, 560);
  fenster->show();
}

}  // namespace zelvor
