#pragma once
// The status bar's lock indicators "UF" (caps lock), "NUM" (num lock) and "RF" (scroll lock). They show
// the keyboard's state where the platform tells it (X11, through XKB's indicators) and stay grey
// elsewhere; every key press or release and every activation of the program reads the state again.
#include <QObject>
#include <array>
#include <functional>
#include <optional>

class QLabel;
class QStatusBar;

namespace zelvor {

struct Sperrtastenzustand {
  bool grossschreibung = false;  // caps lock
  bool num = false;
  bool rollen = false;  // scroll lock
};

// Where the state comes from; none when the platform does not tell it.
using Sperrtastenquelle = std::function<std::optional<Sperrtastenzustand>()>;
// The platform's state: XKB's named indicators on X11, GetKeyState on Windows, nothing elsewhere.
std::optional<Sperrtastenzustand> SperrtastenLesen();

class Sperrtastenanzeige : public QObject {
  Q_OBJECT
 public:
  // Adds the three indicators to the right of the status bar.
  explicit Sperrtastenanzeige(QStatusBar& leiste, Sperrtastenquelle quelle = SperrtastenLesen);

  void Aktualisieren();
  // UF, NUM, RF.
  const std::array<QLabel*, 3>& Felder() const { return m_Felder; }

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  Sperrtastenquelle m_Quelle;
  std::array<QLabel*, 3> m_Felder{};
  const void* m_LetzteTaste = nullptr;
  quint64 m_LetzteZeit = 0;
};

}  // namespace zelvor
