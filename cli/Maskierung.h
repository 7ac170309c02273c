#pragma once
// Texts from a well or a spreadsheet on the terminal: a control character (a line break, an escape
// sequence) must neither start a line of its own nor reach the terminal, which would act on it.
#include <streambuf>
#include <string>
#include <string_view>

namespace zelvor::cli {

// The value of a "Name=Wert" line of show, reversibly: a backslash as "\\", a line break as "\n", a
// carriage return as "\r", a tab as "\t", every other control character (C0, DEL, and C1 in UTF-8) as
// "\xHH" per byte. Everything else as it is.
std::string Maskiert(std::string_view text);
// The value given to set: the escapes of Maskiert turned back; a backslash before anything else stays.
std::string Demaskiert(std::string_view text);

// One line for the terminal: the control characters but the tab as "\xHH" per byte, line breaks
// included; backslashes as they are, so a normal text is unchanged.
std::string Sichtbar(std::string_view zeile);

// A name (a file's, a well's) inside a line: every control character as "\xHH" per byte, the tab and
// the line break too, so that it neither breaks the line nor shifts a table's columns.
std::string NameSichtbar(std::string_view name);

// Passes what is written on to ziel with every control character but the line break and the tab made
// visible as by Sichtbar: the last guard for whatever a message carries (a cell, a file name).
class SichtbarerStrom : public std::streambuf {
 public:
  explicit SichtbarerStrom(std::streambuf* ziel) : m_ziel(ziel) {}

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;

 private:
  bool Schreiben(std::string_view text);
  std::streambuf* m_ziel;
  bool m_c2 = false;  // the last byte was 0xC2, which may open a C1 control character
};

}  // namespace zelvor::cli
