#!/usr/bin/python3
"""The crafted files of the second hostile-files round through zelvor-cli set --rates, each timed and
measured with /usr/bin/time: every one must end in under 10 s of processor time (wall time follows the
machine's other load) and 512 MB, with a correct import (exit 0)
or one German line on stderr starting "zelvor-cli: " (exit 1) and the well file untouched.

    feindliche_importe_pruefen.py ZELVOR_CLI KORPUS_ERZEUGEN BEISPIELE ARBEITSVERZEICHNIS [--sanitizer]
With --sanitizer (a build with AddressSanitizer, which needs several times the memory and time) the
bounds are four times as wide. Exit 77 (skipped) when /usr/bin/time is missing."""
import importlib.machinery
import importlib.util
import os
import shutil
import subprocess
import sys

cli, erzeuger, beispiele, arbeit = sys.argv[1:5]
if not os.path.exists("/usr/bin/time"):
    print("/usr/bin/time fehlt: übersprungen")
    sys.exit(77)
lader = importlib.machinery.SourceFileLoader("korpus_erzeugen", erzeuger)
k = importlib.util.module_from_spec(importlib.util.spec_from_loader("korpus_erzeugen", lader))
lader.exec_module(k)

shutil.rmtree(arbeit, ignore_errors=True)
os.makedirs(arbeit)
FAKTOR = 4 if sys.argv[5:6] == ["--sanitizer"] else 1
MAX_SEKUNDEN, MAX_KB = 10.0 * FAKTOR, 512 * 1024 * FAKTOR


def pfad(name):
    return os.path.join(arbeit, name)


def schreiben(name, daten):
    with open(pfad(name), "wb") as f:
        f.write(daten if isinstance(daten, bytes) else daten.encode())


# The rate file of 168 MB (28 million lines), written in pieces.
with open(pfad("raten_168mb.txt"), "wb") as f:
    f.write(b"Gp Rate Druck\n")
    block = b"1 2 3\n" * 1000000
    for _ in range(28):
        f.write(block)
schreiben("million_zeilen.csv", "Gp;Q;p\n" + "0,0;5000;100,0\n" * 1400000)
schreiben("zufall.xlsx", bytes((i * 7919 + 13) % 256 for i in range(100000)))
schreiben("steuerzeichen.csv", b"Gp;Q;p\n12,0;8849;228,0\n85,0;\x1b[2J;222,0\n")
schreiben("leerzeile.csv", "12,0;8849;228,0\n;;\n85,0;7315;222,0\n")
for name, daten in k.feindliche_mappen(tiefe=21000000, spalten_zellen=2000, grosser_teil=15 * 1024 * 1024,
                                       eintraege=1000, elemente=1990000).items():
    schreiben(name + (".ods" if name.startswith("ods") else ".xlsx"), daten)

faelle = [  # file, what stderr must hold (a correct import's status, or part of the one refusal line)
    ("raten_168mb.txt", "größer als 16 MB"),
    ("million_zeilen.csv", "größer als 16 MB"),
    ("zufall.xlsx", "weder eine Ratendatei"),
    ("steuerzeichen.csv", "85,0;\\x1B[2J;222,0"),
    ("zip_ungezaehlter_eintrag.xlsx", "beschädigt"),
    ("zip_zweites_ende.xlsx", "beschädigt"),
    ("zip_ueberlappend.xlsx", "beschädigt"),
    ("xlsx_absolut_ueberlappend.xlsx", "beschädigt"),
    ("xlsx_tief.xlsx", "zu tief verschachtelt"),
    ("ods_tief.ods", "zu tief verschachtelt"),
    ("ods_spalten_milliarde.ods", "2 Zeilen wurden eingelesen"),
    ("ods_viele_texte.ods", "zu viele Daten"),
    ("ods_elemente.ods", "1 Zeilen wurden eingelesen"),
    ("ods_elemente_zu_viele.ods", "mehr als 2000000 XML-Elementen"),
    ("ods_libreoffice_zeile_wiederholt.ods", "4 Zeilen wurden eingelesen"),
    ("ods_leerzeile_dann_daten.ods",
     "1 Zeilen wurden eingelesen; nach der Leerzeile in Zeile 2 folgen weitere Zeilen, die nicht eingelesen wurden"),
    ("leerzeile.csv",
     "1 Zeilen wurden eingelesen; nach der Leerzeile in Zeile 2 folgen weitere Zeilen, die nicht eingelesen wurden"),
]

fehler = []
for name, erwartet in faelle:
    well = pfad("bohrung.zlv")
    shutil.copy(os.path.join(beispiele, "suessgas.zlv"), well)
    with open(well, "rb") as f:
        vorher = f.read()
    messung = pfad("zeit.txt")
    r = subprocess.run(["/usr/bin/time", "-o", messung, "-f", "%U %S %M", cli, "set", well, "--rates", pfad(name)],
                       capture_output=True, check=False)
    with open(messung) as f:
        benutzer, system, kb = f.read().split()[-3:]
    sekunden, kb = float(benutzer) + float(system), int(kb)
    with open(well, "rb") as f:
        nachher = f.read()
    err = r.stderr.decode()
    zeilen = err.splitlines()
    print(f"{name}: {sekunden:.2f} s, {kb // 1024} MB, Status {r.returncode}: {err.strip()[:160]!r}")
    if sekunden >= MAX_SEKUNDEN or kb >= MAX_KB:
        fehler.append(f"{name}: {sekunden:.2f} s, {kb} KB")
    if r.returncode == 0:
        if erwartet not in zeilen:
            fehler.append(f"{name}: eingelesen, aber {err!r}")
    elif (r.returncode != 1 or len(zeilen) != 1 or not zeilen[0].startswith("zelvor-cli: ") or erwartet not in zeilen[0]
          or nachher != vorher):
        fehler.append(f"{name}: Status {r.returncode}, {err!r}, Bohrung unverändert: {nachher == vorher}")

shutil.rmtree(arbeit, ignore_errors=True)
for f in fehler:
    print(f)
sys.exit(1 if fehler else 0)
