#pragma once
// The site's capacity by fill level: the storage wells' capacity curves summed at each fill level, as
// if every well stood at that level, the way an operator publishes the capacity of a storage.
#include <cstddef>
#include <optional>
#include <vector>

#include "calc/Speicherkennlinien.h"

namespace zelvor {

// The field sums every storage well's curves in steps of 10 %: 0, 10, ..., 100 %.
inline constexpr double FELDKENNLINIEN_SCHRITT = 0.1;
inline constexpr std::size_t FELDKENNLINIEN_PUNKTE = 11;

struct Feldkennlinienpunkt {
  double fuellgrad = 0;              // 0 to 1
  double inventar = 0;               // Mio m3
  std::optional<double> inventarGwh;  // when every summed well has its calorific value
  double qAus = 0;                   // m3/h, summed at each well's p_min
  double qEin = 0;                   // m3/h, summed at each well's p_max
  std::size_t ohneAus = 0;           // wells that deliver nothing at this level
  std::size_t ohneEin = 0;           // wells that take nothing at this level
};

class Feldkennlinien {
 public:
  // Adds one well's curves (fill levels 0 to 1 in FELDKENNLINIEN_SCHRITT); brennwert 0: not given.
  // Curves on another grid are not summed and false is returned. A well without an aquifer model has one
  // curve for both directions of operation.
  bool Hinzufuegen(const std::vector<Kennlinienpunkt>& punkte, const Speichervolumen& v, double brennwert);
  // A well with an aquifer model: the injection season's curve and the withdrawal season's.
  bool Hinzufuegen(const std::vector<Kennlinienpunkt>& einspeicherung, const std::vector<Kennlinienpunkt>& ausspeicherung,
                   const Speichervolumen& v, double brennwert);

  bool Leer() const { return m_bohrungen == 0; }
  std::size_t Bohrungen() const { return m_bohrungen; }
  double Arbeitsgas() const { return m_arbeitsgas; }
  double Kissengas() const { return m_kissengas; }
  // The sums; once a well with an aquifer model is among them, Punkte() are the injection season's and
  // Ausspeicherung() the withdrawal season's (each well without a model in both).
  const std::vector<Feldkennlinienpunkt>& Punkte() const { return m_punkte; }
  const std::vector<Feldkennlinienpunkt>& Ausspeicherung() const { return m_aus; }
  bool ZweiRichtungen() const { return m_mitAquifer > 0; }
  std::size_t MitAquifer() const { return m_mitAquifer; }

 private:
  std::size_t m_bohrungen = 0;
  std::size_t m_ohneBrennwert = 0;
  std::size_t m_mitAquifer = 0;
  double m_arbeitsgas = 0, m_kissengas = 0;
  std::vector<Feldkennlinienpunkt> m_punkte, m_aus;
};

}  // namespace zelvor
