#include "app/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "doc/Programmversion.h"

namespace zelvor {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Info über zelvor"));
  auto* symbol = new QLabel(this);
  symbol->setPixmap(QIcon(QStringLiteral(":/icons/zelvor.svg")).pixmap(32, 32));
  auto* text = new QLabel(QStringLiteral("zelvor Version ") + QString::fromLatin1(PROGRAMMVERSION), this);
  text->setObjectName(QStringLiteral("Version"));
  auto* knoepfe = new QDialogButtonBox(this);
  QPushButton* ok = knoepfe->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setDefault(true);
  connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* zeile = new QHBoxLayout;
  zeile->addWidget(symbol);
  zeile->addSpacing(12);
  zeile->addWidget(text, 1);
  auto* spalte = new QVBoxLayout(this);
  spalte->addLayout(zeile);
  spalte->addWidget(knoepfe);
  setFixedSize(sizeHint());
}

}  // namespace zelvor
