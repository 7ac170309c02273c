#pragma once
// The field overview's pages, painted on any painter: the diagram page (the field's name, its summary,
// the stacked rate diagram, and the storage wells' capacity by fill level as table and curves) and the
// table pages (the wells' table, then the field's course over time with its dates, in the result table's
// print size, their columns in parts that fit the page, report/Felddruck.h). The window, its printout and preview, the clipboard and
// "zelvor-cli feld -o" draw through this.
#include <QImage>
#include <QString>
#include <memory>
#include <string>

#include "feld/Feld.h"
#include "views/AnalyseseiteZeichnen.h"
#include "views/Drucken.h"

namespace zelvor {

// The diagram page's content; feldname heads it (the field file's or the folder's name).
Analyseseite FeldDiagrammseite(const Feldergebnis& f, const std::string& feldname);

// The diagram page, then the table pages.
std::unique_ptr<Druckvorlage> FeldDruckvorlage(std::shared_ptr<const Feldergebnis> f, std::string feldname);

}  // namespace zelvor
