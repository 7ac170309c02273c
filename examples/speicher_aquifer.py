#!/usr/bin/env python3
"""The aquifer storage example's data: a porous storage above a Fetkovich aquifer, converted from a gas
field produced since 2012. From 2019 on, six storage years: monthly dated injection lines from 1 April to
1 October (the rate falling as the pressure rises), a shut-in survey on 15 October, withdrawal at an even
rate until 25 March, a survey on that day, and the next season's first line on 1 April. Called twice by
erzeugen: first (no argument) the dates and Gp with placeholder pressures; then with the JSON of
`zelvor-cli aquifer` for those points, whose reservoir pressures give the injection wellhead pressures
(through C, A1 and B1) and the surveys (with a gauge's scatter)."""
import datetime
import json
import math
import sys

GP_LEER = 700.0  # Mio m3 produced when the storage is empty (the cushion gas left in it)
ARBEITSGAS = 250.0  # Mio m3 moved each season
C = 4.0  # m3/h per bar², the well's injectivity
JAHRE = range(2019, 2025)


def raten_der_saison():
    # Six months of injection, each month's rate a little below the last's, scaled to the working gas.
    tage = [(datetime.date(2019, m + 1, 1) - datetime.date(2019, m, 1)).days for m in range(4, 10)]
    form = [1.0 - 0.04 * i for i in range(6)]
    skala = ARBEITSGAS * 1e6 / sum(f * t * 24 for f, t in zip(form, tage))
    return [skala * f for f in form]


def zeilen():
    raten = raten_der_saison()
    z = []
    for jahr in JAHRE:
        gp = GP_LEER
        for i, monat in enumerate(range(4, 10)):
            tag = datetime.date(jahr, monat, 1)
            z.append((tag, gp, raten[i]))
            gp -= raten[i] * 24 * (datetime.date(jahr, monat + 1, 1) - tag).days / 1e6
        # The season's end, still injecting at the last month's rate.
        z.append((datetime.date(jahr, 10, 1), GP_LEER - ARBEITSGAS, raten[-1]))
    z.append((datetime.date(JAHRE[-1] + 1, 4, 1), GP_LEER, raten[0]))
    return z


def messungen():
    m = []
    for jahr in JAHRE:
        m.append((datetime.date(jahr, 10, 15), GP_LEER - ARBEITSGAS))
        m.append((datetime.date(jahr + 1, 3, 25), GP_LEER))
    return m


def datum(tag):
    return tag.strftime("%d.%m.%Y")


def main():
    z, m = zeilen(), messungen()
    if len(sys.argv) == 1:
        with open("speicher_aquifer_raten.csv", "w") as f:
            f.write("Datum,Gp (Mio m3),Rate (m3/h),Kopfdruck (bar)\n")
            for tag, gp, q in z:
                f.write(f"{datum(tag)},{gp:.3f},{q:.0f},100.00\n")
        with open("speicher_aquifer_messungen.csv", "w") as f:
            f.write("Datum,Gp (Mio m3),pws (bar)\n")
            for tag, gp in m:
                f.write(f"{datum(tag)},{gp:.3f},100.0\n")
        return
    verlauf = json.load(open(sys.argv[1]))
    a1, b1 = float(sys.argv[2]), float(sys.argv[3])
    druck = {p["Punkt"]: p["p"] for p in verlauf["Punkte"]}
    with open("speicher_aquifer_raten.csv", "w") as f:
        f.write("Datum,Gp (Mio m3),Rate (m3/h),Kopfdruck (bar)\n")
        for i, (tag, gp, q) in enumerate(z):
            pws = druck[f"Ratenzeile {i + 1}"]
            pwf2 = pws * pws + q / C
            pwh = math.sqrt((pwf2 + (q / a1) ** 2) / b1)
            f.write(f"{datum(tag)},{gp:.3f},{q:.0f},{pwh:.2f}\n")
    with open("speicher_aquifer_messungen.csv", "w") as f:
        f.write("Datum,Gp (Mio m3),pws (bar)\n")
        for i, (tag, gp) in enumerate(m):
            streuung = 0.3 * math.sin(2.3 * i + 0.5)  # bar, a gauge's scatter
            f.write(f"{datum(tag)},{gp:.3f},{druck[f'Messung {i + 1}'] + streuung:.1f}\n")


main()
