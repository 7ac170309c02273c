#pragma once
// Running sums of one evaluation run: the mean of the positive C-values and the straight line C(Gp)
// of the variable C-value.

namespace zelvor {

struct CStatistik {
  double sx = 0, sy = 0, sxy = 0, sx2 = 0;  // regression sums
  double summeC = 0;
  int cZahl = 0;  // lines with a positive C-value

  // The regression sums take a line only with a positive C-value and the variable C-value chosen.
  void Regression(float gp, double c, bool variablerC);
  void Mittelwert(double c);
  double Mittel() const { return cZahl > 0 ? summeC / cZahl : 0.0; }
};

struct Ausgleichsgerade {
  double steigung = 0;
  double achsenabschnitt = 0;
};

// The fitted line; degenerate sums (one point, one Gp, no spread) give the mean as a flat line.
Ausgleichsgerade Ausgleich(const CStatistik& s);

}  // namespace zelvor
