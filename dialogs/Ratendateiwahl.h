#pragma once
// The file dialog for rate files. It starts with "*.TXT" and lists the files whose extension is .txt in
// any case: file names on Linux tell case apart, rate files come from anywhere. Its other filters offer
// each kind the import reads (CSV and text tables, workbooks), all of them together, and every file. A
// pattern typed into the name field ("*.csv", "*.xlsx", "*.ods") lists the files it matches.
#include <QString>
#include <QStringList>

class QFileDialog;
class QWidget;

namespace zelvor {

inline constexpr char RATENDATEI_MUSTER[] = "*.TXT";

// The dialog's filters, the rate files' first.
QStringList RatendateiFilter();

// Open mode, existing files only, the Qt dialog (whose name filters can ignore case).
void RatendateidialogEinrichten(QFileDialog& dialog);

// Runs the dialog; the chosen path, or an empty string when the user cancels.
QString RatendateiWaehlen(QWidget* besitzer);

}  // namespace zelvor
