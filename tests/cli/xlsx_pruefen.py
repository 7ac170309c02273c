#!/usr/bin/python3
"""Reads zelvor-cli's Excel export back and compares every number with the evaluation: the rate lines
with the result table's printed digits, every cell with the plain CSV export's full-precision value
(to the 16 significant digits the library writes; Excel itself keeps 15).

    xlsx_pruefen.py ZELVOR_CLI BEISPIELE ARBEITSVERZEICHNIS
Exit 77 (skipped) when python3-openpyxl is missing."""
import csv, math, os, subprocess, sys

try:
    import openpyxl
except ImportError:
    print("openpyxl fehlt: übersprungen")
    sys.exit(77)

cli, beispiele, arbeit = sys.argv[1:4]
os.makedirs(arbeit, exist_ok=True)
STELLEN = [3, 1, 2, 2, 2, 2, 3]  # the result table's decimals per column
fehler = []

def lauf(*args):
    return subprocess.run([cli, *args], capture_output=True, text=True, check=False)

for bohrung, optionen in [("sauergas", []), ("suessgas", ["--variable-c"]), ("injektion", ["--rate-graph"])]:
    well = os.path.join(beispiele, bohrung + ".zlv")
    xlsx = os.path.join(arbeit, bohrung + ".xlsx")
    csvdatei = os.path.join(arbeit, bohrung + ".csv")
    for ziel in (xlsx, csvdatei):
        r = lauf("export", well, "-o", ziel, *optionen)
        if r.returncode not in (0, 1):
            sys.exit(f"{bohrung}: export -o {ziel}: {r.stderr}")
    tabelle = lauf("evaluate", well, *optionen).stdout.splitlines()

    # The CSV's tables, each as (name, rows).
    with open(csvdatei, newline="", encoding="utf-8") as f:
        zeilen = list(csv.reader(f))
    tabellen, block = [], []
    for z in zeilen + [[]]:
        if z:
            block.append(z)
        elif block:
            tabellen.append(block)
            block = []

    mappe = openpyxl.load_workbook(xlsx)
    if mappe.sheetnames != [t[0][0] for t in tabellen]:
        fehler.append(f"{bohrung}: Blätter {mappe.sheetnames}")
    for blatt, t in zip(mappe.worksheets, tabellen):
        werte = [list(z) for z in blatt.iter_rows(values_only=True)]
        if len(werte) != len(t) - 1:
            fehler.append(f"{bohrung}/{blatt.title}: {len(werte)} Zeilen statt {len(t) - 1}")
        for i, (x, c) in enumerate(zip(werte, t[1:])):
            for j, (wx, wc) in enumerate(zip(x, c + [""] * len(x))):
                gleich = (wx is None and wc == "") or (isinstance(wx, (int, float)) and math.isclose(float(wc), wx, rel_tol=1e-15)) or wx == wc
                if not gleich:
                    fehler.append(f"{bohrung}/{blatt.title} Zeile {i + 1} Spalte {j + 1}: {wx!r} statt {wc!r}")

    # Every rate row as the result table prints it.
    raten = mappe["Ratenzeilen"]
    gedruckt = []
    for z in tabelle:
        teile = z.split()
        try:
            if len(teile) == 7:
                gedruckt.append([float(w) for w in teile])
        except ValueError:
            pass
    zeilen_x = [list(z) for z in raten.iter_rows(min_row=2, values_only=True)]
    if len(zeilen_x) != len(gedruckt):
        fehler.append(f"{bohrung}: {len(zeilen_x)} Ratenzeilen, die Tabelle hat {len(gedruckt)}")
    for x, g in zip(zeilen_x, gedruckt):
        for wx, wg, s in zip(x, g, STELLEN):
            if f"{wx:.{s}f}" != f"{wg:.{s}f}":
                fehler.append(f"{bohrung}: {wx} gedruckt als {wg}")
    for spalte, s in zip(raten[2], STELLEN):
        if spalte.number_format != ("0." + "0" * s):
            fehler.append(f"{bohrung}: Zahlenformat {spalte.number_format}")

for f in fehler:
    print(f)
sys.exit(1 if fehler else 0)
