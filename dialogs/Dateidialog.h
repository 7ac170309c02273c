#pragma once
// What every file dialog of the program shares: Qt's own dialog, dates and sizes in the user interface's
// German form (the program's own number texts keep their decimal point; this is Qt's listing), and a size
// at which the columns of the detail view can be read. Links are not resolved: a chosen link comes back as
// the link.
class QFileDialog;

namespace zelvor {

void DateidialogEinrichten(QFileDialog& dialog);

}  // namespace zelvor
