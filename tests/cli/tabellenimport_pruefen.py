#!/usr/bin/python3
"""The sweet gas well's rate lines as spreadsheets give them: German CSV (Windows-1252, semicolons,
decimal commas, a title, headings, units and a remark column), plain CSV, tab-separated text, an .xlsx
made by openpyxl, an .ods, and zelvor-cli's own CSV and .xlsx export. Each must evaluate to the table
its rate file gives. Then zelvor-cli set's exit codes: a refused file or a zip bomb leave the well
untouched with exit 1, in bounded time.

    tabellenimport_pruefen.py ZELVOR_CLI BEISPIELE ARBEITSVERZEICHNIS
Exit 77 (skipped) when python3-openpyxl is missing."""
import os, shutil, subprocess, sys, time, zipfile

try:
    import openpyxl
except ImportError:
    print("openpyxl fehlt: übersprungen")
    sys.exit(77)

cli, beispiele, arbeit = sys.argv[1:4]
shutil.rmtree(arbeit, ignore_errors=True)
os.makedirs(arbeit)
fehler = []


def lauf(*args):
    return subprocess.run([cli, *args], capture_output=True, check=False)


def pfad(name):
    return os.path.join(arbeit, name)


well = os.path.join(beispiele, "suessgas.zlv")
txt = os.path.join(beispiele, "suessgas_raten.txt")
with open(txt) as f:
    raten = [z.split() for z in f.read().splitlines()[1:] if z.strip()]
soll = lauf("evaluate", well, "--rates", txt)
assert soll.returncode == 0, soll.stderr

with open(pfad("de.csv"), "w", encoding="cp1252", newline="") as f:
    f.write("Bohrung Süßgas\r\nGp;Q;pwh;Bemerkung\r\nMio m3;m3/h;bar;\r\n")
    for gp, q, p in raten:
        f.write(f"{gp.replace('.', ',')};{q};{p.replace('.', ',')};gemessen\r\n")
with open(pfad("en.csv"), "w", newline="") as f:
    f.write("Gp (Mio m3),Q (m3/h),pwh (bar)\n" + "".join(f"{gp},{q},{p}\n" for gp, q, p in raten))
with open(pfad("tab.txt"), "w", newline="") as f:
    f.write("Gp\tQ\tpwh\n" + "".join(f"{gp.replace('.', ',')}\t{q}\t{p.replace('.', ',')}\n" for gp, q, p in raten))

mappe = openpyxl.Workbook()
blatt = mappe.active
blatt.append(["Bohrung Süßgas"])
blatt.append(["Gp (Mio m3)", "Q (m3/h)", "pwh (bar)", "Bemerkung"])
for gp, q, p in raten:
    blatt.append([float(gp), int(q), float(p), "gemessen"])
mappe.create_sheet("Sonstiges").append([1, 2, 3])
mappe.save(pfad("openpyxl.xlsx"))


def ods_zelle(wert):
    try:
        float(wert)
        return f'<table:table-cell office:value-type="float" office:value="{wert}"><text:p>{wert}</text:p></table:table-cell>'
    except ValueError:
        return f'<table:table-cell office:value-type="string"><text:p>{wert}</text:p></table:table-cell>'


def ods(name, zeilen_xml):
    inhalt = ('<?xml version="1.0" encoding="UTF-8"?>'
              '<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
              'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
              'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" office:version="1.2">'
              '<office:body><office:spreadsheet><table:table table:name="Raten">' + zeilen_xml +
              '</table:table></office:spreadsheet></office:body></office:document-content>')
    manifest = ('<?xml version="1.0" encoding="UTF-8"?><manifest:manifest '
                'xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">'
                '<manifest:file-entry manifest:full-path="/" '
                'manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>'
                '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>'
                '</manifest:manifest>')
    with zipfile.ZipFile(pfad(name), "w") as z:
        z.writestr(zipfile.ZipInfo("mimetype"), "application/vnd.oasis.opendocument.spreadsheet")
        z.writestr("META-INF/manifest.xml", manifest, zipfile.ZIP_DEFLATED)
        z.writestr("content.xml", inhalt, zipfile.ZIP_DEFLATED)


zeilen = [["Gp", "Q", "pwh"]] + raten
ods("raten.ods", "".join("<table:table-row>" + "".join(ods_zelle(w) for w in z) + "</table:table-row>" for z in zeilen))

for name, args in [("zelvor.xlsx", []), ("zelvor.csv", []), ("zelvor_de.csv", ["--dialekt", "de"])]:
    r = lauf("export", well, "--rates", txt, "-o", pfad(name), *args)
    assert r.returncode == 0, r.stderr

for name in ["de.csv", "en.csv", "tab.txt", "openpyxl.xlsx", "raten.ods", "zelvor.xlsx", "zelvor.csv", "zelvor_de.csv"]:
    r = lauf("evaluate", well, "--rates", pfad(name))
    if r.returncode != 0 or r.stdout != soll.stdout:
        fehler.append(f"{name}: Status {r.returncode}, {r.stderr.decode()!r}, Tabelle gleich: {r.stdout == soll.stdout}")
    elif b"12 Zeilen wurden eingelesen" not in r.stderr:
        fehler.append(f"{name}: {r.stderr.decode()!r}")

# set: exit 1 and the well unchanged when no line can be taken.
kopie = pfad("kopie.zlv")
shutil.copy(well, kopie)
with open(kopie, "rb") as f:
    vorher = f.read()
with open(pfad("schlecht.csv"), "w") as f:
    f.write("Gp;Q;p\n12,0;8849;228,0\n85,0;k.A.;222,0\n")
with open(pfad("kopf.csv"), "w") as f:
    f.write("Gp;Q;p\nMio m3;m3/h;bar\n")
with zipfile.ZipFile(pfad("bombe.xlsx"), "w", zipfile.ZIP_DEFLATED) as z:
    z.writestr("xl/worksheets/sheet1.xml", b"\0" * (300 * 1024 * 1024))
with open(pfad("kaputt.xlsx"), "wb") as f:
    f.write(open(pfad("openpyxl.xlsx"), "rb").read()[:3000])
for name, meldung in [("schlecht.csv", "Die Zeile enhält keine 3 Werte: 85,0;k.A.;222,0"),
                      ("kopf.csv", "wurde keine Ratenzeile eingelesen"),
                      ("bombe.xlsx", "mehr als 64 MB"), 
 ("kaputt.xlsx", "beschädigt")]:
    anfang = time.monotonic()
    r = lauf("set", kopie, "--rates", pfad(name))
    dauer = time.monotonic() - anfang
    with open(kopie, "rb") as f:
        nachher = f.read()
    zeilen = r.stderr.decode().splitlines()
    if (r.returncode != 1 or nachher != vorher or len(zeilen) != 1 or not zeilen[0].startswith("zelvor-cli: ")
            or meldung not in zeilen[0] or dauer > 10):
        fehler.append(f"set --rates {name}: Status {r.returncode}, {dauer:.1f} s, {r.stderr.decode()!r}, "
                      f"Bohrung unverändert: {nachher == vorher}")
r = lauf("set", kopie, "--rates", pfad("de.csv"))
if r.returncode != 0:
    fehler.append(f"set --rates de.csv: {r.returncode} {r.stderr.decode()!r}")
r = lauf("evaluate", kopie)
if r.stdout != soll.stdout:
    fehler.append("set --rates de.csv: die Bohrung rechnet anders als mit ihrer Ratendatei")

for f in fehler:
    print(f)
sys.exit(1 if fehler else 0)
