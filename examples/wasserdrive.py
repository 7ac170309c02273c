#!/usr/bin/env python3
"""The water-drive example's data: monthly dated rate lines and yearly shut-in surveys of a well whose
reservoir is fed by a Fetkovich aquifer. Called twice by erzeugen: first (no argument) the dates and Gp
with placeholder pressures; then with the JSON of `zelvor-cli aquifer` for those points, whose reservoir
pressures give the wellhead pressures (through C, A1 and B1) and the surveys (with a little scatter)."""
import datetime
import json
import math
import sys

START = datetime.date(2005, 1, 1)
JAHRE = 16
C = 1.2  # m3/h per bar², the well's deliverability


def monate():
    for m in range(1, 12 * JAHRE + 1):
        jahr, monat = START.year + (m // 12), m % 12 + 1
        yield datetime.date(jahr, monat, 1)


def rate(tag):
    # A plateau of 9000 m3/h for eight years, then 4 % less each year.
    jahre = (tag - START).days / 365.25
    return 9000.0 if jahre < 8 else 9000.0 * 0.96 ** (jahre - 8)


def raten():
    gp, vorher, zeilen = 0.0, START, []
    for tag in monate():
        gp += rate(tag) * 24 * (tag - vorher).days / 1e6
        vorher = tag
        zeilen.append((tag, gp, rate(tag)))
    return zeilen


def messungen(zeilen):
    # Each 15 June, Gp by the calendar between the lines around it.
    punkte = []
    for jahr in range(START.year + 1, START.year + JAHRE):
        tag = datetime.date(jahr, 6, 15)
        davor = max(z for z in zeilen if z[0] <= tag)
        punkte.append((tag, davor[1] + rate(tag) * 24 * (tag - davor[0]).days / 1e6))
    return punkte


def datum(tag):
    return tag.strftime("%d.%m.%Y")


def main():
    zeilen = raten()
    if len(sys.argv) == 1:
        with open("wasserdrive_raten.csv", "w") as f:
            f.write("Datum,Gp (Mio m3),Rate (m3/h),Kopfdruck (bar)\n")
            for tag, gp, q in zeilen:
                f.write(f"{datum(tag)},{gp:.3f},{q:.0f},100.00\n")
        with open("wasserdrive_messungen.csv", "w") as f:
            f.write("Datum,Gp (Mio m3),pws (bar)\n")
            for tag, gp in messungen(zeilen):
                f.write(f"{datum(tag)},{gp:.3f},100.0\n")
        return
    verlauf = json.load(open(sys.argv[1]))
    a1, b1 = float(sys.argv[2]), float(sys.argv[3])
    druck = {p["Punkt"]: p["p"] for p in verlauf["Punkte"]}
    with open("wasserdrive_raten.csv", "w") as f:
        f.write("Datum,Gp (Mio m3),Rate (m3/h),Kopfdruck (bar)\n")
        for i, (tag, gp, q) in enumerate(zeilen):
            pws = druck[f"Ratenzeile {i + 1}"]
            pwf2 = pws * pws - q / C
            pwh = math.sqrt(max(pwf2 - (q / a1) ** 2, 1.0) / b1)
            f.write(f"{datum(tag)},{gp:.3f},{q:.0f},{pwh:.2f}\n")
    with open("wasserdrive_messungen.csv", "w") as f:
        f.write("Datum,Gp (Mio m3),pws (bar)\n")
        for i, (tag, gp) in enumerate(messungen(zeilen)):
            streuung = 0.4 * math.sin(2.7 * i)  # bar, a gauge's scatter
            f.write(f"{datum(tag)},{gp:.3f},{druck[f'Messung {i + 1}'] + streuung:.1f}\n")


main()
