#pragma once
// The input dialog's members and the rules of its data exchange, without any widget: which control holds
// which member, the order in which a read goes through them, how a control's text becomes a member and
// back, the composition sum, the checks before OK and the inputs of the A1/B1 proposal.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/A1B1Vorschlag.h"
#include "doc/Dateneingabe.h"

namespace zelvor {

// Control identities of the input dialog's template.
enum Steuerelement : int {
  IDC_ABBRECHEN = 2,
  IDC_GASBOHRUNG = 1000,
  IDC_OK = 1001,
  IDC_H2S = 1002,
  IDC_IC5H12 = 1003,
  IDC_CO2 = 1004,
  IDC_NC5H12 = 1005,
  IDC_N2 = 1006,
  IDC_C6H14 = 1007,
  IDC_CH4 = 1008,
  IDC_C7H16 = 1009,
  IDC_C2H6 = 1010,
  IDC_C8H18 = 1011,
  IDC_C3H8 = 1012,
  IDC_C9H20 = 1013,
  IDC_IC4H10 = 1014,
  IDC_C10H22 = 1015,
  IDC_NC4H10 = 1016,
  IDC_TEMPERATUR = 1017,
  IDC_OGIP = 1018,
  IDC_INITIALDRUCK = 1019,
  IDC_A1 = 1020,
  IDC_B1 = 1021,
  IDC_WASSERINVASION = 1022,
  IDC_SUMME = 1023,
  IDC_TEUFE = 1024,
  IDC_DURCHMESSER = 1025,
  IDC_BOHRLOCHLAENGE = 1026,
  IDC_ZEILE = 1027,
  IDC_LISTE = 1028,
  IDC_ZEILE_AENDERN = 1029,
  IDC_ZEILE_ANHAENGEN = 1030,
  IDC_ZEILE_EINFUEGEN = 1031,
  IDC_KOPFTEMPERATUR = 1032,
  IDC_ZEILE_LOESCHEN = 1033,
  IDC_STATUS = 1034,
  IDC_RATENDATEI = 1035,
  IDC_A1B1 = 1036,
  IDC_GRAFIK_RATEN = 1037,
  IDC_INJEKTION = 1038,
  IDC_HILFE = 1039,
  IDC_BOHRUNGSANZAHL = 1040,
  IDC_VARIABLER_C = 1041,
  IDC_WGV = 1042,
  IDC_DATUM = 1043,  // the date of the line in the line field
};

// The composition field of each entry of m_Komponenten, in composition order.
inline constexpr std::array<int, KOMPONENTEN_ANZAHL> KOMPONENTEN_FELDER = {
    IDC_H2S,    IDC_CO2,    IDC_N2,     IDC_CH4,    IDC_C2H6,   IDC_C3H8,  IDC_IC4H10, IDC_NC4H10,
    IDC_IC5H12, IDC_NC5H12, IDC_C6H14, IDC_C7H16, IDC_C8H18, IDC_C9H20, IDC_C10H22};

// The help topic of the dialog's "Hilfe" button: the program's online help.
inline constexpr int HILFEKONTEXT_EINGABE = 32774;

// The dialog's members. Those the well hands in and takes back come from Eingabewerte; the rest lives
// only as long as the dialog.
struct Eingabemaske : Eingabewerte {
  std::string m_Summe;  // the composition sum as shown
  float m_H2S = 0, m_CO2 = 0, m_N2 = 0, m_CH4 = 0, m_C2H6 = 0, m_C3H8 = 0, m_iC4H10 = 0, m_nC4H10 = 0;
  float m_iC5H12 = 0, m_nC5H12 = 0, m_C6H14 = 0, m_C7H16 = 0, m_C8H18 = 0, m_C9H20 = 0, m_C10H22 = 0;
  std::string m_Zeile;   // the rate line being edited
  std::string m_Datum;   // its date as typed (the date field; not exchanged with the other fields)
  int m_Option = -1;     // line option 0 to 3; -1 while no option button is checked
  std::string m_Status;  // status text below the list
  std::int32_t m_nAuswahl = -1;  // selected list line when a line handler ran; -1 none
  // The list line the date field belongs to: the one taken by double-click, or the one the last
  // operation changed, appended or inserted; -1 none (a date typed then waits for the next new line).
  std::int32_t m_nDatumszeile = -1;
};

// The member of composition field i (composition order).
float& Komponentenfeld(Eingabemaske& m, int i);
float Komponentenfeld(const Eingabemaske& m, int i);

enum class Austauschart {
  Liste,         // bound control, exchanges nothing
  Text,          // edit or static text into a text member
  Zahl,          // edit into a number member, validated
  Optionsgruppe, // the four option buttons into m_Option
  Schalter,      // check box into a BOOL member
};

struct Austauschfeld {
  int id;
  Austauschart art;
};

// Every bound control in the order of a read and a show.
const std::vector<Austauschfeld>& Austauschfelder();

// The option button of each line option, 0 to 3.
inline constexpr std::array<int, 4> OPTIONSFELDER = {IDC_ZEILE_AENDERN, IDC_ZEILE_ANHAENGEN, IDC_ZEILE_EINFUEGEN,
                                                     IDC_ZEILE_LOESCHEN};

// Takes the text of a Text or Zahl control into its member. A number field takes only a text that is one
// decimal number ("nan", "inf", decimal commas and trailing words are no numbers); its member then holds
// the number even when it is out of range, as the read stops right there. Returns the message for the
// user when the read must stop at this field; a text that is no number leaves the member as it was.
std::optional<std::string> FeldLesen(Eingabemaske& m, int id, const std::string& text);

// The text a show writes into a Text or Zahl control; a number reads back to the same bits.
std::string FeldText(const Eingabemaske& m, int id);

// The BOOL member of a check box.
BOOL& Schalter(Eingabemaske& m, int id);

// Start of the dialog: the composition members from m_Komponenten, and the sum.
void KomponentenVerteilen(Eingabemaske& m);

// After a composition field was left, and before OK: m_Komponenten from the composition members, and the
// sum "%6.2f" in m_Summe.
void KomponentenUebernehmen(Eingabemaske& m);

// The checks before OK on the dialog's members, in their order; the first failing one's message.
std::optional<std::string> EingabenPruefen(const Eingabemaske& m);

// What the A1/B1 proposal computes with: the composition as last taken over into m_Komponenten.
A1B1Eingaben A1B1EingabenAus(const Eingabemaske& m);

}  // namespace zelvor
