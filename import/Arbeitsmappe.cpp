#include "import/Arbeitsmappe.h"

#include <orcus/exception.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <exception>
#include <map>
#include <new>
#include <optional>

#include "calc/Datum.h"
#include "calc/Format.h"
#include "import/Xmlteile.h"
#include "import/Zipverzeichnis.h"

namespace zelvor {
namespace {

namespace iface = orcus::spreadsheet::iface;
using orcus::spreadsheet::col_t;
using orcus::spreadsheet::row_t;

// Columns beyond this are not kept: the three columns the import needs come long before.
constexpr col_t MAX_SPALTEN = static_cast<col_t>(MAX_TABELLENSPALTEN);
// What is kept of a workbook's texts and cells, bytes counted with a share for the bookkeeping: a
// small sheet of numbers needs kilobytes; a sheet that refers to one long text in every cell is refused.
constexpr std::size_t MAX_BEHALTEN = 32u * 1024 * 1024;
constexpr std::size_t JE_EINTRAG = 64;

// Shared between the sheet's cells and the shared texts, so that both together stay bounded. Once full,
// nothing more is kept and the workbook is refused after reading: an exception thrown through liborcus's
// .ods reader, which parses on a thread of its own, would leave it waiting for that thread for ever.
struct Speicher {
  std::size_t belegt = 0;
  bool voll = false;
  bool Nehmen(std::size_t bytes) {
    if (!voll && belegt + bytes + JE_EINTRAG <= MAX_BEHALTEN) {
      belegt += bytes + JE_EINTRAG;
      return true;
    }
    voll = true;
    return false;
  }
};

std::string Gekuerzt(std::string_view s) {
  if (s.size() <= MAX_ZELLENLAENGE) return std::string(s);
  std::size_t n = MAX_ZELLENLAENGE;
  while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
  return std::string(s.substr(0, n)) + "\xE2\x80\xA6";  // "…": a cut cell is no number
}

std::string ZahlAlsText(double wert) {
  // Shown as such in a message; neither is a number nor a date to the import.
  if (std::isnan(wert)) return "keine Zahl";
  if (std::isinf(wert)) return wert > 0 ? "unendlich" : "-unendlich";
  char text[32];
  const auto r = std::to_chars(text, text + sizeof text, wert);
  return std::string(text, r.ptr);
}

class Zeichenketten : public iface::import_shared_strings {
 public:
  explicit Zeichenketten(Speicher& speicher) : m_speicher(speicher) {}
  std::size_t append(std::string_view s) override {
    if (!m_speicher.Nehmen(std::min(s.size(), MAX_ZELLENLAENGE + 3))) return m_texte.size();
    m_texte.push_back(Gekuerzt(s));
    return m_texte.size() - 1;
  }
  std::size_t add(std::string_view s) override { return append(s); }
  void set_segment_font(std::size_t) override {}
  void set_segment_bold(bool) override {}
  void set_segment_italic(bool) override {}
  void set_segment_font_name(std::string_view) override {}
  void set_segment_font_size(double) override {}
  void set_segment_font_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                              orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override {}
  void append_segment(std::string_view s) override {
    if (m_segmente.size() <= MAX_ZELLENLAENGE) m_segmente.append(s.substr(0, MAX_ZELLENLAENGE + 1));
  }
  std::size_t commit_segments() override {
    const std::size_t i = append(m_segmente);
    m_segmente.clear();
    return i;
  }
  const std::string& Text(std::size_t i) const {
    static const std::string leer;
    return i < m_texte.size() ? m_texte[i] : leer;
  }

 private:
  Speicher& m_speicher;
  std::vector<std::string> m_texte;
  std::string m_segmente;
};

// Collects the cells of one sheet; other sheets get one that keeps nothing.
// Which cell formats show a date: an .xlsx stores a date as a day number in a cell whose number format
// is a date format, so without the formats a date reads as a number (and a date column as Gp).
class Stile : public iface::import_styles {
 public:
  // A built-in date format (ECMA-376's numFmtId 14 to 22, 27 to 36, 45 to 47, 50 to 58), or a format
  // code that names days or years outside quoted text and brackets.
  bool Datumsformat(std::size_t xf) const { return xf < m_xfDatum.size() && m_xfDatum[xf]; }

  void set_number_format_count(std::size_t) override {}
  void set_number_format_identifier(std::size_t id) override { m_formatId = id; }
  void set_number_format_code(std::string_view code) override { m_formatCode = Datumscode(code); }
  std::size_t commit_number_format() override {
    if (m_formatCode && m_codes.size() < MAX_FORMATE) m_codes.push_back(m_formatId);
    m_formatCode = false;
    return m_anzahlFormate++;
  }
  void set_xf_number_format(std::size_t id) override { m_xfFormat = id; }
  std::size_t commit_cell_xf() override {
    if (m_xfDatum.size() < MAX_FORMATE) m_xfDatum.push_back(IstDatumsId(m_xfFormat));
    m_xfFormat = 0;
    return m_xfDatum.size() - 1;
  }

  void set_font_count(std::size_t) override {}
  void set_font_bold(bool) override {}
  void set_font_italic(bool) override {}
  void set_font_name(std::string_view) override {}
  void set_font_size(double) override {}
  void set_font_underline(orcus::spreadsheet::underline_t) override {}
  void set_font_underline_width(orcus::spreadsheet::underline_width_t) override {}
  void set_font_underline_mode(orcus::spreadsheet::underline_mode_t) override {}
  void set_font_underline_type(orcus::spreadsheet::underline_type_t) override {}
  void set_font_underline_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                                orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override {}
  void set_font_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                      orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override {}
  void set_strikethrough_style(orcus::spreadsheet::strikethrough_style_t) override {}
  void set_strikethrough_type(orcus::spreadsheet::strikethrough_type_t) override {}
  void set_strikethrough_width(orcus::spreadsheet::strikethrough_width_t) override {}
  void set_strikethrough_text(orcus::spreadsheet::strikethrough_text_t) override {}
  std::size_t commit_font() override { return 0; }
  void set_fill_count(std::size_t) override {}
  void set_fill_pattern_type(orcus::spreadsheet::fill_pattern_t) override {}
  void set_fill_fg_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                         orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override {}
  void set_fill_bg_color(orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                         orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t) override {}
  std::size_t commit_fill() override { return 0; }
  void set_border_count(std::size_t) override {}
  void set_border_style(orcus::spreadsheet::border_direction_t, orcus::spreadsheet::border_style_t) override {}
  void set_border_color(orcus::spreadsheet::border_direction_t, orcus::spreadsheet::color_elem_t,
                        orcus::spreadsheet::color_elem_t, orcus::spreadsheet::color_elem_t,
                        orcus::spreadsheet::color_elem_t) override {}
  void set_border_width(orcus::spreadsheet::border_direction_t, double, orcus::length_unit_t) override {}
  std::size_t commit_border() override { return 0; }
  void set_cell_hidden(bool) override {}
  void set_cell_locked(bool) override {}
  void set_cell_print_content(bool) override {}
  void set_cell_formula_hidden(bool) override {}
  std::size_t commit_cell_protection() override { return 0; }
  void set_cell_xf_count(std::size_t) override {}
  void set_cell_style_xf_count(std::size_t) override {}
  void set_dxf_count(std::size_t) override {}
  void set_xf_font(std::size_t) override {}
  void set_xf_fill(std::size_t) override {}
  void set_xf_border(std::size_t) override {}
  void set_xf_protection(std::size_t) override {}
  void set_xf_style_xf(std::size_t) override {}
  void set_xf_apply_alignment(bool) override {}
  void set_xf_horizontal_alignment(orcus::spreadsheet::hor_alignment_t) override {}
  void set_xf_vertical_alignment(orcus::spreadsheet::ver_alignment_t) override {}
  std::size_t commit_cell_style_xf() override {
    m_xfFormat = 0;
    return 0;
  }
  std::size_t commit_dxf() override {
    m_xfFormat = 0;
    return 0;
  }
  void set_cell_style_count(std::size_t) override {}
  void set_cell_style_name(std::string_view) override {}
  void set_cell_style_xf(std::size_t) override {}
  void set_cell_style_builtin(std::size_t) override {}
  void set_cell_style_parent_name(std::string_view) override {}
  std::size_t commit_cell_style() override { return 0; }

 private:
  // A workbook with more formats than this is no sheet of rate data; the rest count as no date.
  static constexpr std::size_t MAX_FORMATE = 65536;

  static bool Datumscode(std::string_view code) {
    bool zitat = false, klammer = false;
    for (char c : code) {
      if (c == '"') zitat = !zitat;
      else if (!zitat && c == '[') klammer = true;
      else if (!zitat && c == ']') klammer = false;
      else if (!zitat && !klammer && (c == 'd' || c == 'D' || c == 'y' || c == 'Y')) return true;
    }
    return false;
  }
  bool IstDatumsId(std::size_t id) const {
    if ((id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) || (id >= 50 && id <= 58))
      return id != 18 && id != 19 && id != 20 && id != 21 && id != 45 && id != 46 && id != 47;  // times of day
    return std::find(m_codes.begin(), m_codes.end(), id) != m_codes.end();
  }

  std::size_t m_formatId = 0;
  bool m_formatCode = false;
  std::size_t m_anzahlFormate = 0;
  std::vector<std::size_t> m_codes;  // the ids of the workbook's own date formats
  std::size_t m_xfFormat = 0;
  std::vector<bool> m_xfDatum;  // by cell format
};

// Excel's day number as a date text, or nothing when it is no day of the range of dates. The 1900 system
// counts from 1 January 1900 as day 1, with a 29 February 1900 that never was (so 61 is 1 March 1900 and
// earlier numbers are no dates here); the 1904 system (date1904) counts from 1 January 1904 as day 0.
std::optional<std::string> Tageszahl(double wert, bool datum1904) {
  if (!std::isfinite(wert) || wert < (datum1904 ? 0.0 : 61.0) || wert > 150000.0) return std::nullopt;
  const Tag tag = static_cast<Tag>(std::floor(wert)) - (datum1904 ? 24107 : 25569);
  if (!TagImBereich(tag)) return std::nullopt;
  return DatumText(tag);
}

class Blatt : public iface::import_sheet {
 public:
  Blatt(const Zeichenketten& texte, Speicher& speicher, bool sammeln)
      : m_texte(texte), m_speicher(speicher), m_sammeln(sammeln), m_formel(*this) {}

  iface::import_formula* get_formula() override { return &m_formel; }
  void set_auto(row_t z, col_t s, std::string_view text) override { Setzen(z, s, Gekuerzt(text)); }
  void set_string(row_t z, col_t s, orcus::spreadsheet::string_id_t i) override { Setzen(z, s, m_texte.Text(i)); }
  void set_value(row_t z, col_t s, double wert) override { Setzen(z, s, ZahlAlsText(wert)); }
  void set_bool(row_t z, col_t s, bool wert) override { Setzen(z, s, wert ? "WAHR" : "FALSCH"); }
  void set_date_time(row_t z, col_t s, int jahr, int monat, int tag, int, int, double) override {
    const std::optional<Tag> t = TagAusDatum(jahr, monat, tag);
    // An impossible date ("0000-00-00") as the file wrote it, still shaped as a date.
    Setzen(z, s, t ? DatumText(*t) : Formatiere("%04d-%02d-%02d", jahr, monat, tag));
  }
  void set_format(row_t z, col_t s, std::size_t xf) override {
    if (m_sammeln && z >= 0 && s >= 0 && s < MAX_SPALTEN && static_cast<std::size_t>(z) < MAX_TABELLENZEILEN) {
      m_speicher.Nehmen(0);
      m_formate[z][s] = xf;
    }
  }
  void set_format(row_t z1, col_t s1, row_t z2, col_t s2, std::size_t xf) override {
    // A range format costs nothing until a cell of the range holds a day number.
    if (m_sammeln && m_bereiche.size() < MAX_BEREICHE) m_bereiche.push_back({z1, s1, z2, s2, xf});
  }
  void fill_down_cells(row_t z, col_t s, row_t anzahl) override {
    if (!m_sammeln || z < 0 || s < 0 || anzahl <= 0) return;
    const auto zeile = m_zellen.find(z);
    if (zeile == m_zellen.end()) return;
    const auto zelle = zeile->second.find(s);
    if (zelle == zeile->second.end()) return;
    const std::string text = zelle->second;
    for (row_t i = 1; i <= anzahl && !m_abgeschnitten; ++i) Setzen(z + i, s, text);
  }
  // A sheet of this size is all liborcus is told about: repeated rows and columns (.ods) end there.
  orcus::spreadsheet::range_size_t get_sheet_size() const override {
    return {static_cast<row_t>(MAX_TABELLENZEILEN + 1), MAX_SPALTEN};
  }

  void Setzen(row_t z, col_t s, std::string text) {
    if (!m_sammeln || z < 0 || s < 0 || s >= MAX_SPALTEN) return;
    if (static_cast<std::size_t>(z) >= MAX_TABELLENZEILEN) {
      m_abgeschnitten = true;
      return;
    }
    if (m_speicher.Nehmen(text.size())) m_zellen[z][s] = std::move(text);
  }

  // liborcus reads a repeated .ods row once and moves on by its count; the rows it stands for get its cells.
  void ZeilenWiederholen(const std::vector<Zeilenwiederholung>& wiederholt) {
    for (const Zeilenwiederholung& w : wiederholt) {
      const auto zeile = m_zellen.find(static_cast<row_t>(w.zeile));
      if (zeile == m_zellen.end()) continue;
      const std::map<col_t, std::string> zellen = zeile->second;
      for (std::size_t i = 1; i < w.anzahl && !m_abgeschnitten; ++i)
        for (const auto& [s, text] : zellen) Setzen(static_cast<row_t>(w.zeile + i), s, text);
    }
  }

  // Numbers in cells of a date format become date texts.
  void DatenErkennen(const Stile& stile, bool datum1904) {
    for (auto& [z, zellen] : m_zellen)
      for (auto& [s, text] : zellen) {
        if (!Datumszelle(stile, z, s)) continue;
        float wert = 0;
        if (!ZelleAlsZahl(text, Dezimalzeichen::Punkt, wert)) continue;
        double genau = 0;
        if (std::from_chars(text.data(), text.data() + text.size(), genau).ec != std::errc{}) continue;
        if (const auto datum = Tageszahl(genau, datum1904)) text = *datum;
      }
  }

  void Uebergeben(Tabelle& t) const {
    t.abgeschnitten = m_abgeschnitten;
    t.dezimal = Dezimalzeichen::Beide;
    if (m_zellen.empty()) return;
    const auto zeilen = static_cast<std::size_t>(m_zellen.rbegin()->first) + 1;
    t.zeilen.assign(zeilen, {});
    t.texte.assign(zeilen, {});
    for (const auto& [z, zellen] : m_zellen) {
      auto& zeile = t.zeilen[static_cast<std::size_t>(z)];
      zeile.assign(static_cast<std::size_t>(zellen.rbegin()->first) + 1, {});
      for (const auto& [s, text] : zellen) zeile[static_cast<std::size_t>(s)] = text;
      std::string& anzeige = t.texte[static_cast<std::size_t>(z)];
      for (std::size_t s = 0; s < zeile.size() && anzeige.size() < 200; ++s) anzeige += (s ? ";" : "") + zeile[s];
    }
  }

 private:
  // The stored result of a formula cell is the cell's value here; without one (a workbook written by a
  // program that does not calculate) the cell holds the formula, a text.
  class Formel : public iface::import_formula {
   public:
    explicit Formel(Blatt& b) : m_blatt(b) {}
    void set_position(row_t z, col_t s) override {
      m_zeile = z;
      m_spalte = s;
      m_ergebnis.clear();
      m_formel.clear();
    }
    void set_formula(orcus::spreadsheet::formula_grammar_t, std::string_view formel) override {
      m_formel = Gekuerzt("=" + std::string(formel.substr(0, MAX_ZELLENLAENGE + 1)));
    }
    void set_shared_formula_index(std::size_t) override {}
    void set_result_string(std::string_view text) override { m_ergebnis = Gekuerzt(text); }
    void set_result_value(double wert) override {
      if (std::isfinite(wert)) m_ergebnis = ZahlAlsText(wert);
    }
    void set_result_bool(bool wert) override { m_ergebnis = wert ? "WAHR" : "FALSCH"; }
    void set_result_empty() override { m_ergebnis.clear(); }
    void commit() override {
      m_blatt.Setzen(m_zeile, m_spalte, m_ergebnis.empty() ? m_formel : m_ergebnis);
    }

   private:
    Blatt& m_blatt;
    row_t m_zeile = -1;
    col_t m_spalte = -1;
    std::string m_ergebnis;
    std::string m_formel;
  };

  struct Bereich {
    row_t z1;
    col_t s1;
    row_t z2;
    col_t s2;
    std::size_t xf;
  };
  static constexpr std::size_t MAX_BEREICHE = 4096;

  bool Datumszelle(const Stile& stile, row_t z, col_t s) const {
    if (const auto zeile = m_formate.find(z); zeile != m_formate.end())
      if (const auto zelle = zeile->second.find(s); zelle != zeile->second.end()) return stile.Datumsformat(zelle->second);
    for (auto b = m_bereiche.rbegin(); b != m_bereiche.rend(); ++b)
      if (z >= b->z1 && z <= b->z2 && s >= b->s1 && s <= b->s2) return stile.Datumsformat(b->xf);
    return false;
  }

  const Zeichenketten& m_texte;
  Speicher& m_speicher;
  bool m_sammeln;
  std::map<row_t, std::map<col_t, std::size_t>> m_formate;
  std::vector<Bereich> m_bereiche;
  bool m_abgeschnitten = false;
  std::map<row_t, std::map<col_t, std::string>> m_zellen;
  Formel m_formel;
};

// Cell addresses as an .xlsx names its cells ("B7", "$B$7", "Raten!B7"); the sheet is always the first.
class Adressen : public iface::import_reference_resolver {
 public:
  orcus::spreadsheet::src_address_t resolve_address(std::string_view a) override {
    if (const auto ausruf = a.rfind('!'); ausruf != std::string_view::npos) a.remove_prefix(ausruf + 1);
    std::size_t i = 0;
    const auto dollar = [&] {
      if (i < a.size() && a[i] == '$') ++i;
    };
    dollar();
    long spalte = 0;
    const std::size_t anfang = i;
    for (; i < a.size() && a[i] >= 'A' && a[i] <= 'Z' && spalte <= MAX_SPALTEN_ADRESSE; ++i) spalte = spalte * 26 + (a[i] - 'A' + 1);
    dollar();
    long zeile = 0;
    const std::size_t ziffern = i;
    for (; i < a.size() && a[i] >= '0' && a[i] <= '9' && zeile <= MAX_ZEILEN_ADRESSE; ++i) zeile = zeile * 10 + (a[i] - '0');
    if (i == anfang || i == ziffern || i != a.size() || spalte > MAX_SPALTEN_ADRESSE || zeile < 1 ||
        zeile > MAX_ZEILEN_ADRESSE)
      throw orcus::invalid_arg_error("Zelladresse");
    return {0, static_cast<row_t>(zeile - 1), static_cast<col_t>(spalte - 1)};
  }
  orcus::spreadsheet::src_range_t resolve_range(std::string_view bereich) override {
    const auto doppelpunkt = bereich.find(':');
    if (doppelpunkt == std::string_view::npos) {
      const auto a = resolve_address(bereich);
      return {a, a};
    }
    return {resolve_address(bereich.substr(0, doppelpunkt)), resolve_address(bereich.substr(doppelpunkt + 1))};
  }

 private:
  // The largest sheet Excel makes.
  static constexpr long MAX_SPALTEN_ADRESSE = 16384;
  static constexpr long MAX_ZEILEN_ADRESSE = 1048576;
};

class Fabrik : public iface::import_factory {
 public:
  iface::import_shared_strings* get_shared_strings() override { return &m_texte; }
  iface::import_styles* get_styles() override { return &m_stile; }
  iface::import_reference_resolver* get_reference_resolver(orcus::spreadsheet::formula_ref_context_t) override {
    return &m_adressen;
  }
  iface::import_sheet* append_sheet(orcus::spreadsheet::sheet_t index, std::string_view name) override {
    m_namen.emplace(std::string(name), index);
    return get_sheet(index);
  }
  iface::import_sheet* get_sheet(std::string_view name) override {
    const auto i = m_namen.find(std::string(name));
    return i == m_namen.end() ? nullptr : get_sheet(i->second);
  }
  iface::import_sheet* get_sheet(orcus::spreadsheet::sheet_t index) override {
    return index == 0 ? static_cast<iface::import_sheet*>(&m_erstes) : &m_uebrige;
  }
  void finalize() override {}

  Blatt& Erstes() { return m_erstes; }
  bool Voll() const { return m_speicher.voll; }
  const Stile& Formate() const { return m_stile; }

 private:
  Speicher m_speicher;
  Zeichenketten m_texte{m_speicher};
  Stile m_stile;
  Adressen m_adressen;
  Blatt m_erstes{m_texte, m_speicher, true};
  Blatt m_uebrige{m_texte, m_speicher, false};
  std::map<std::string, orcus::spreadsheet::sheet_t> m_namen;
};

// Every XML part unpacked once and looked at before liborcus sees it: its nesting bounded, relationship
// targets made relative, an .ods sheet's repeats cut, an .xlsx sheet's ISO dates and non-numbers kept
// as texts, the workbook's date system noted. The archive anew when a part changed.
std::string TeileVorbereiten(std::string_view archiv, const std::vector<Zipeintrag>& eintraege,
                             std::optional<std::string>& neu, std::vector<Zeilenwiederholung>& wiederholt,
                             bool& datum1904) {
  const Zipgrenzen grenzen;
  std::vector<std::optional<std::string>> ersetzt(eintraege.size());
  bool geaendert = false;
  std::size_t elemente = 0;
  for (std::size_t i = 0; i < eintraege.size(); ++i) {
    const Zipeintrag& e = eintraege[i];
    std::optional<std::string> text = ZipeintragEntpacken(archiv, e);
    if (!text) return "Die Arbeitsmappe ist besch\xC3\xA4" "digt und kann nicht gelesen werden.";
    if (!IstXml(*text)) continue;
    const Xmlumfang umfang = XmlUmfang(*text, MAX_XML_TIEFE, MAX_XML_ELEMENTE - elemente);
    if (umfang.tiefe > MAX_XML_TIEFE)
      return Formatiere("Die Arbeitsmappe ist zu tief verschachtelt (mehr als %d Ebenen); sie wird nicht gelesen.",
                        static_cast<int>(MAX_XML_TIEFE));
    elemente += umfang.elemente;
    if (elemente > MAX_XML_ELEMENTE)
      return Formatiere("Die Arbeitsmappe besteht aus mehr als %d XML-Elementen; sie wird nicht gelesen.",
                        static_cast<int>(MAX_XML_ELEMENTE));
    bool anders = e.name.ends_with(".rels") && BeziehungszieleRelativ(*text, e.name);
    if (e.name == "content.xml")
      anders = OdsWiederholungenKuerzen(*text, MAX_TABELLENZEILEN + 1, MAX_TABELLENSPALTEN, wiederholt) || anders;
    else
      anders = XlsxWerteAlsText(*text) || anders;
    datum1904 = datum1904 || Datum1904(*text);
    if (anders) {
      ersetzt[i] = std::move(text);
      geaendert = true;
    }
  }
  if (!geaendert) return {};
  neu = ZipNeuSchreiben(archiv, eintraege, ersetzt, grenzen.entpackt);
  if (!neu)
    return "Die Arbeitsmappe w\xC3\xBC" "rde entpackt mehr als " + std::to_string(grenzen.entpackt / (1024 * 1024)) +
           " MB belegen; sie wird nicht gelesen.";
  return {};
}

}  // namespace

bool IstZipArchiv(std::string_view inhalt) { return inhalt.substr(0, 4) == std::string_view("PK\x03\x04", 4); }

std::string ArbeitsmappeLesen(std::string_view inhalt, Tabelle& tabelle) {
  tabelle = {};
  std::vector<Zipeintrag> eintraege;
  if (const std::string fehler = ZipverzeichnisLesen(inhalt, eintraege); !fehler.empty()) return fehler;
  std::optional<std::string> neu;
  std::vector<Zeilenwiederholung> wiederholt;
  bool datum1904 = false;
  if (const std::string fehler = TeileVorbereiten(inhalt, eintraege, neu, wiederholt, datum1904); !fehler.empty())
    return fehler;
  if (neu) inhalt = *neu;
  const auto* bytes = reinterpret_cast<const unsigned char*>(inhalt.data());
  try {
    Fabrik fabrik;
    if (orcus::orcus_xlsx::detect(bytes, inhalt.size())) {
      orcus::orcus_xlsx leser(&fabrik);
      leser.read_stream(inhalt);
    } else if (orcus::orcus_ods::detect(bytes, inhalt.size())) {
      orcus::orcus_ods leser(&fabrik);
      leser.read_stream(inhalt);
    } else {
      return "Die Datei ist ein Zip-Archiv, aber keine Arbeitsmappe (.xlsx oder .ods).";
    }
    fabrik.Erstes().ZeilenWiederholen(wiederholt);
    if (fabrik.Voll()) return "Die Arbeitsmappe enth\xC3\xA4lt zu viele Daten; sie wird nicht gelesen.";
    fabrik.Erstes().DatenErkennen(fabrik.Formate(), datum1904);
    fabrik.Erstes().Uebergeben(tabelle);
  } catch (const std::bad_alloc&) {
    tabelle = {};
    return "Die Arbeitsmappe ist zu gro\xC3\x9F, um sie zu lesen.";
  } catch (const std::exception&) {
    tabelle = {};
    return "Die Arbeitsmappe ist besch\xC3\xA4" "digt und kann nicht gelesen werden.";
  }
  return {};
}

}  // namespace zelvor
