#pragma once
// zelvor-cli analyze: the deliverability analysis of an evaluated well, as the view's text block or as
// one JSON object with every number and message.
#include <ostream>
#include <string>

namespace zelvor {
struct Lieferfaehigkeit;
}

namespace zelvor::cli {

struct Argumente;

// Exit status 0, or 1 (ABGEBROCHEN) when no model could be made.
int Analyze(const Argumente& a, std::ostream& out, std::ostream& err);

std::string LieferfaehigkeitJson(const Lieferfaehigkeit& l);

}  // namespace zelvor::cli
