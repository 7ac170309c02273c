#pragma once
// The decline analysis as text lines, printf-style with a decimal point: the view's values, the
// clipboard, the printed page and "zelvor-cli rueckgang" all use these.
#include <optional>
#include <string>
#include <vector>

#include "calc/Prognosemodell.h"
#include "calc/Rueckgang.h"

namespace zelvor {

// "TT.MM.JJJJ", or "nach 2199" for a date beyond the calendar.
std::string RueckgangDatum(const std::optional<Tag>& t);

// The model, the period, how it was fitted, each parameter with its 95 % interval, the declines nominal
// and effective, and at the limit the remaining volume, the end date and the EUR with theirs; a fit that
// was not made gives its sentence.
std::vector<std::string> RueckgangText(const Rueckgang& r);

// The deliverability forecast beside the decline: one sentence comparing both EURs and end dates; the
// forecast's end date only when it is dated (start). "" when either was not made.
std::string RueckgangVergleich(const Rueckgang& r, const Foerderprognose& p, std::optional<Tag> start);

// The sentence as indented lines of at most `breite` characters, broken at blanks, for a page or a
// terminal; none for an empty sentence.
std::vector<std::string> Umbrochen(const std::string& satz, std::size_t breite = 96);

}  // namespace zelvor
