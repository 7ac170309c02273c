#include "cli/Maskierung.h"

#include <cstdio>

namespace zelvor::cli {
namespace {

bool Steuerzeichen(unsigned char c) { return c < 0x20 || c == 0x7F; }
// The second byte of U+0080..U+009F in UTF-8 (after 0xC2).
bool C1Folgebyte(unsigned char c) { return c >= 0x80 && c <= 0x9F; }

std::string Hex(unsigned char c) {
  char puffer[5];
  std::snprintf(puffer, sizeof puffer, "\\x%02X", c);
  return puffer;
}

int HexWert(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Control characters as "\xHH"; keep tells which may stay as they are.
template <typename Behalten>
std::string HexFuerSteuerzeichen(std::string_view text, Behalten behalten) {
  std::string s;
  s.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == 0xC2 && i + 1 < text.size() && C1Folgebyte(static_cast<unsigned char>(text[i + 1]))) {
      s += Hex(c) + Hex(static_cast<unsigned char>(text[++i]));
    } else if (Steuerzeichen(c) && !behalten(c)) {
      s += Hex(c);
    } else {
      s += text[i];
    }
  }
  return s;
}

}  // namespace

std::string Maskiert(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  std::size_t anfang = 0;
  const auto rest = [&](std::size_t bis) { s += HexFuerSteuerzeichen(text.substr(anfang, bis - anfang), [](unsigned char) { return false; }); };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char* ersatz = text[i] == '\\' ? "\\\\" : text[i] == '\n' ? "\\n" : text[i] == '\r' ? "\\r" : text[i] == '\t' ? "\\t" : nullptr;
    if (!ersatz) continue;
    rest(i);
    s += ersatz;
    anfang = i + 1;
  }
  rest(text.size());
  return s;
}

std::string Demaskiert(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 >= text.size()) {
      s += text[i];
      continue;
    }
    const char n = text[i + 1];
    if (n == '\\' || n == 'n' || n == 'r' || n == 't') {
      s += n == '\\' ? '\\' : n == 'n' ? '\n' : n == 'r' ? '\r' : '\t';
      ++i;
    } else if (n == 'x' && i + 3 < text.size() && HexWert(text[i + 2]) >= 0 && HexWert(text[i + 3]) >= 0) {
      s += static_cast<char>(HexWert(text[i + 2]) * 16 + HexWert(text[i + 3]));
      i += 3;
    } else {
      s += text[i];
    }
  }
  return s;
}

std::string Sichtbar(std::string_view zeile) {
  return HexFuerSteuerzeichen(zeile, [](unsigned char c) { return c == '\t'; });
}

std::string NameSichtbar(std::string_view name) {
  return HexFuerSteuerzeichen(name, [](unsigned char) { return false; });
}

bool SichtbarerStrom::Schreiben(std::string_view text) {
  std::string s;
  std::size_t von = 0;
  if (m_c2) {
    // The 0xC2 held back from the last piece: a C1 control when this piece begins with its second byte.
    m_c2 = false;
    if (!text.empty() && C1Folgebyte(static_cast<unsigned char>(text[0]))) {
      s = Hex(0xC2) + Hex(static_cast<unsigned char>(text[0]));
      von = 1;
    } else {
      s = "\xC2";
    }
  }
  std::string_view rest = text.substr(von);
  if (!rest.empty() && static_cast<unsigned char>(rest.back()) == 0xC2) {
    m_c2 = true;
    rest.remove_suffix(1);
  }
  s += HexFuerSteuerzeichen(rest, [](unsigned char c) { return c == '\n' || c == '\t'; });
  return m_ziel->sputn(s.data(), static_cast<std::streamsize>(s.size())) == static_cast<std::streamsize>(s.size());
}

SichtbarerStrom::int_type SichtbarerStrom::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return sync() == 0 ? traits_type::not_eof(c) : traits_type::eof();
  const char z = traits_type::to_char_type(c);
  return Schreiben(std::string_view(&z, 1)) ? c : traits_type::eof();
}

std::streamsize SichtbarerStrom::xsputn(const char* s, std::streamsize n) {
  return Schreiben(std::string_view(s, static_cast<std::size_t>(n))) ? n : 0;
}

int SichtbarerStrom::sync() {
  if (m_c2) {
    m_c2 = false;
    if (m_ziel->sputc('\xC2') == traits_type::eof()) return -1;
  }
  return m_ziel->pubsync();
}

}  // namespace zelvor::cli
