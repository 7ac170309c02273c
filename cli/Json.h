#pragma once
// A minimal JSON writer for the machine-readable output of zelvor-cli.
#include <string>
#include <vector>

namespace zelvor::cli {

std::string JsonText(const std::string& utf8);
// A number that reads back to the same double; null for what JSON cannot hold.
std::string JsonZahl(double wert);
std::string JsonTextListe(const std::vector<std::string>& texte);
std::string JsonZahlenListe(const float* werte, int anzahl);

}  // namespace zelvor::cli
