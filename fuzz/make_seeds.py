#!/usr/bin/env python3
"""Writes the hand-made seed inputs of the fuzz targets into fuzz/corpus/<target>/.

Station files are Shift-JIS text; the port files of data/dt are copied beside them when
they exist. Run from anywhere: python3 fuzz/make_seeds.py
"""
import glob
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

LABELS = ["Sa", "Ssa", "Mm", "MSf", "Mf", "Q1", "rho1", "O1", "MP1", "M1",
          "pi1", "P1", "S1", "K1", "psi1", "phi1", "J1", "SO1", "OO1", "2N2",
          "mu2", "N2", "nu2", "OP2", "M2", "lam2", "L2", "T2", "S2", "R2",
          "K2", "2SM2", "MO3", "M3", "MK3", "SK3", "M4", "MS4", "M6", "2MS6"]


def station(name="尾鷲", lat="34.04", lon="136.12", z0="110.0", eol="\n",
            lines=20, notes=("観測所の注記",), last_eol=True):
    """A station file: header, constituent lines with made-up constants, note lines."""
    rows = [f"{name},{lat},{lon},{z0}"]
    for k in range(lines):
        a, b = LABELS[2 * k], LABELS[2 * k + 1]
        rows.append(f"{a},{(k * 7.3) % 60:.1f},{(k * 41.0) % 360:.1f},"
                    f"{b},{(k * 3.1) % 40:.1f},{(k * 97.0) % 360:.1f}")
    rows.extend(notes)
    text = eol.join(rows) + (eol if last_eol else "")
    return text.encode("cp932")


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("cp932"))


def station_seeds():
    write("station", "lf.MV2", station())
    write("station", "crlf.MV2", station(eol="\r\n"))
    write("station", "cr.MV2", station(eol="\r"))
    write("station", "no-final-break.MV2", station(notes=(), last_eol=False))
    write("station", "short.MV2", station(lines=7, notes=()))
    write("station", "three-notes.MV2", station(notes=("一", "二", "三", "四")))
    write("station", "empty.MV2", b"")
    write("station", "header-only.MV2", "尾鷲,34.04,136.12,110.0\n")
    write("station", "header-three-fields.MV2", "尾鷲,34.04,136.12\n")
    write("station", "commas.MV2", b",,,,\n,,,\n")
    write("station", "long-name.MV2", station(name="とても長い港の名前です二十五バイト"))
    write("station", "south-west.MV2", station(lat="-33.52", lon="-122.00"))
    long_line = station().split(b"\n")
    long_line[3] = long_line[3] + b"," + b"9" * 80
    write("station", "long-line.MV2", b"\n".join(long_line))
    write("station", "long-fields.MV2", station(lat="3" * 40, lon="1" * 30 + ".5", z0="7" * 25))
    many = station().split(b"\n")
    many[5] = b"A,1,2,B,3,4,C,5,6,D,7,8"
    write("station", "seven-fields.MV2", b"\n".join(many))
    write("station", "non-numeric.MV2", station(lat="north", lon="1e999", z0="nan"))
    write("station", "binary.MV2", bytes(range(256)) * 2)
    write("station", "nul-bytes.MV2", station().replace(b",", b"\0,", 5))
    for path in sorted(glob.glob(os.path.join(ROOT, "data", "dt", "*.MV2")))[:6]:
        shutil.copyfile(path, os.path.join(HERE, "corpus", "station",
                                           "dt-" + os.path.basename(path).encode(
                                               "utf-8", "surrogateescape").hex() + ".MV2"))


def words(spec, *items):
    """A command line for the cli_args target: spec byte, then words separated by NUL."""
    return bytes([spec]) + b"\0".join(w.encode("utf-8") for w in items)


def cli_seeds():
    write("cli_args", "extremes-port", words(0, "--dt", "data/dt", "--port", "24尾鷲"))
    write("cli_args", "extremes-file", words(0, "--station", "x.MV2", "--date", "2024-02-29", "--json"))
    write("cli_args", "table-csv", words(1, "--csv", "--dt", "d/", "--port", "01函館", "--date", "1999-12-31"))
    write("cli_args", "bad-date", words(1, "--station", "x", "--date", "2023-02-29"))
    write("cli_args", "year-zero", words(0, "--station", "x", "--date", "0000-01-01"))
    write("cli_args", "repeated", words(0, "--station", "a", "--station", "b"))
    write("cli_args", "both", words(0, "--station", "a", "--dt", "d", "--port", "p"))
    write("cli_args", "missing-value", words(0, "--dt"))
    write("cli_args", "valued", words(2, "--days", "7", "--step", "--json", "--station", "s"))
    write("cli_args", "empty-values", words(2, "--station", "", "--dt", "", "--port", ""))
    write("cli_text", "ascii", b"Owase,34.04,136.12")
    write("cli_text", "kanji", "尾鷲 三重県 ﾊﾝｶｸ ①Ⅰ髙".encode("cp932"))
    write("cli_text", "controls", b"a\"b\\c\n\r\t\x01\x1f\x7f")
    write("cli_text", "cut-lead-byte", "港".encode("cp932")[:1])
    write("cli_text", "bad-bytes", bytes([0x80, 0xA0, 0xFD, 0xFE, 0xFF, 0x81, 0x20, 0xEF, 0xFC]))
    write("cli_text", "nec-ibm", bytes([0x87, 0x40, 0xED, 0x40, 0xFA, 0x5C, 0xEE, 0xEF]))
    write("cli_text", "utf8", "尾鷲 😀 \ud7ff".encode("utf-8", "surrogatepass"))


if __name__ == "__main__":
    station_seeds()
    cli_seeds()
