#pragma once
// The deliverability analysis as text lines, printf-style with a decimal point: the view's text block
// and the output of "zelvor-cli analyze".
#include <string>
#include <vector>

#include "calc/Lieferfaehigkeit.h"

namespace zelvor {

std::vector<std::string> LieferfaehigkeitText(const Lieferfaehigkeit& l);

// The text block of the view's page, whose head already names the analysis: the text without its
// heading, after the line that says which evaluation it shows (doc/Analysehinweis.h) when there is one.
std::vector<std::string> LieferfaehigkeitSeitentext(const Lieferfaehigkeit& l, const std::string& hinweis);

// The text padded with blanks to breite characters (not bytes: the labels hold umlauts and ²).
std::string Spalte(const std::string& text, size_t breite);

}  // namespace zelvor
