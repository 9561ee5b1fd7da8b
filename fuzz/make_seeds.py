#!/usr/bin/env python3
"""Writes the hand-made seed inputs of the fuzz targets into fuzz/corpus/<target>/.

Station files are Shift-JIS text; the port files of data/dt are copied beside them when
they exist. Run from anywhere: python3 fuzz/make_seeds.py [CORPUS_ROOT]
(default fuzz/corpus). Inputs the fuzzers found are kept beside these, named by their hash.
"""
import glob
import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)

LABELS = ["Sa", "Ssa", "Mm", "MSf", "Mf", "Q1", "rho1", "O1", "MP1", "M1",
          "pi1", "P1", "S1", "K1", "psi1", "phi1", "J1", "SO1", "OO1", "2N2",
          "mu2", "N2", "nu2", "OP2", "M2", "lam2", "L2", "T2", "S2", "R2",
          "K2", "2SM2", "MO3", "M3", "MK3", "SK3", "M4", "MS4", "M6", "2MS6"]
# The further constituents 40 to 59, two a line after the notes.
EXTRA_LABELS = ["2Q1", "sigma1", "chi1", "theta1", "OQ2", "MNS2", "MKS2", "MSN2", "KJ2", "SO3",
                "MN4", "SN4", "MK4", "S4", "SK4", "2MN6", "MSN6", "2MK6", "2SM6", "MSK6"]


def station(name="尾鷲", lat="34.04", lon="136.12", z0="110.0", eol="\n",
            lines=20, notes=("観測所の注記",), last_eol=True, extra_lines=0):
    """A station file: header, constituent lines with made-up constants, note lines, lines
    of the further constituents."""
    rows = [f"{name},{lat},{lon},{z0}"]
    for k in range(lines):
        a, b = LABELS[2 * k], LABELS[2 * k + 1]
        rows.append(f"{a},{(k * 7.3) % 60:.1f},{(k * 41.0) % 360:.1f},"
                    f"{b},{(k * 3.1) % 40:.1f},{(k * 97.0) % 360:.1f}")
    rows.extend(notes)
    for k in range(extra_lines):
        a, b = EXTRA_LABELS[2 * k], EXTRA_LABELS[2 * k + 1]
        rows.append(f"{a},{(k * 0.7) % 4:.2f},{(k * 53.0) % 360:.2f},"
                    f"{b},{(k * 0.3) % 3:.2f},{(k * 131.0) % 360:.2f}")
    text = eol.join(rows) + (eol if last_eol else "")
    return text.encode("cp932")


CORPUS = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "corpus")


def write(target, name, data):
    folder = os.path.join(CORPUS, target)
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
    write("station", "sixty.MV2", station(eol="\r\n", notes=("一", "二", "三"), extra_lines=10))
    write("station", "sixty-mislabelled.MV2",
          station(notes=("一",), extra_lines=4).replace(b"MKS2", b"MK2S") + b"S4,1,2,SK4,3,4\n")
    write("station", "nul-bytes.MV2", station().replace(b",", b"\0,", 5))
    for index, path in enumerate(port_files()):
        shutil.copyfile(path, os.path.join(CORPUS, "station", f"dt-{index}.MV2"))


def port_files(count=6):
    """A few of the installed port files, spread over the prefectures."""
    paths = sorted(glob.glob(os.path.join(ROOT, "data", "dt", "*.MV2")))
    step = max(1, len(paths) // count)
    return paths[::step][:count]


def station_tide_seeds():
    """Station files behind a date: year (little-endian, 1 added), month, day."""
    def date(year, month, day):
        return bytes([(year - 1) & 0xFF, (year - 1) >> 8, month & 0xFF, day & 0xFF])
    write("station_tide", "owase-2024-02-16", date(2024, 2, 16) + station())
    write("station_tide", "owase-2024-02-29", date(2024, 2, 29) + station())
    write("station_tide", "crlf-1999-12-31", date(1999, 12, 31) + station(eol="\r\n"))
    write("station_tide", "month-zero", date(2000, 0, 0) + station(lines=12))
    write("station_tide", "south-west", date(2100, 3, 8) + station(lat="-33.52", lon="-122.00"))
    write("station_tide", "huge-m2", date(2024, 6, 24) + station().replace(b"M2,", b"M2,1e30,", 1))
    for index, path in enumerate(port_files(3)):
        with open(path, "rb") as f:
            write("station_tide", f"dt-{index}", date(2026, 12, 8 * index + 8) + f.read())
    write("station_tide", "sixty-2024-06-08", date(2024, 6, 8) + station(notes=("a", "b", "c"), extra_lines=10))
    write("station_tide", "large-shallow", date(2024, 6, 8) + station().replace(b"2MS6,", b"2MS6,900,", 1))


def station_views_seeds():
    """As for station_tide; the day (mod 8) picks the view: 6 one day, 1 seven days,
    2 forty-two days, 7 the tide table. Numbers beyond any port reach every view."""
    def date(year, month, day):
        return bytes([(year - 1) & 0xFF, (year - 1) >> 8, month & 0xFF, day & 0xFF])
    for day, view in [(14, "one-day"), (9, "seven-day"), (10, "42-day"), (15, "table")]:
        write("station_views", f"owase-{view}", date(2024, 5, day) + station())
        write("station_views", f"amplitude-1e19-{view}",
              date(2024, 5, day) + station().replace(b"M2,", b"M2,7777777777777777777,", 1))
    far = {"amplitude-1e30": station().replace(b"S2,", b"S2,1e30,", 1),
           "amplitude-inf": station().replace(b"K1,", b"K1,1e300,", 1),
           "z0-1e30": station(z0="1e30"), "z0-minus-1e30": station(z0="-1e30"),
           "longitude-1e30": station(lon="1e30"), "latitude-1e30": station(lat="1e30"),
           "phase-1e30": station().replace(b"M2,", b"M2,50,1e30,", 1)}
    for name, text in far.items():
        write("station_views", f"{name}-one-day", date(2024, 5, 14) + text)
        write("station_views", f"{name}-table", date(2024, 5, 15) + text)
    write("station_views", "sixty-table", date(2024, 5, 15) + station(notes=("a", "b", "c"), extra_lines=10))
    write("station_views", "year-1", date(1, 1, 6) + station())
    write("station_views", "year-9999-table", date(9999, 12, 31) + station())


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


def profile(key_index, value, text):
    """An input of the profile_text target: key choice, value, NUL, file text."""
    return bytes([key_index]) + value.encode("cp932") + b"\0" + text.encode("cp932")


def settings_seeds():
    for name, value in [("plain", "35.39"), ("signed", " -33.52"), ("exp", "1.5e+3x"),
                        ("exp-cut", "2e"), ("hex", "0x10"), ("inf", "-inf"), ("nan", "nan"),
                        ("point", ".5"), ("huge", "1e999"), ("tiny", "1e-400"), ("dot", "-.e1")]:
        write("decimal_text", name, value)
    for name, value in [("int", "725"), ("negative", "-1"), ("blank-sign", "  +42x"),
                        ("six-digits", "123456"), ("huge", "99999999999999999999"),
                        ("ratio", " 1.0"), ("ratio-exp", "1e300"), ("ratio-nan", "nan"),
                        ("ratio-long", "12345.67"), ("empty", ""), ("tab", "\t-7")]:
        write("settings_values", name, value)
    ini = ("[TREE]\r\nCHI1=1\r\nKEN02=0\r\n[SITE]\r\nPREF=三重県\r\nPORT=尾鷲\r\n"
           "[WINDOWS]\r\nBOX=1\r\nONEORSEVEN=-1\r\nXPosition=100\r\n"
           "[PRINTER]\r\nPrinterRatio= 1.0\r\nPrinterColor=1\r\n")
    write("profile_text", "replace", profile(3, "函館", ini))
    write("profile_text", "new-key", profile(7, "120", ini))
    write("profile_text", "new-section", profile(12, "x", "[SITE]\nPORT=a"))
    write("profile_text", "empty-file", profile(8, " 1.0", ""))
    write("profile_text", "case-blanks", profile(10, "2.0", "[ Printer ]\n  PRINTERRATIO = 9\n"))
    write("profile_text", "duplicate-sections", profile(3, "p", "[SITE]\nA=1\n[X]\n[site]\nPORT=q\n"))
    write("profile_text", "no-final-break", profile(2, "県", "[SITE]\r\nPREF=x"))
    write("profile_text", "odd-lines", profile(0, "1", "CHI1=5\n[TREE\n[]\n=\n[TREE]x\n\n\n"))
    for name in ["24尾鷲.MV2", "01函館.MV2", "80南鳥島.MV2", "readme.txt", "09x.MV2",
                 "-1ab.MV2", " 7c.MV2", "ab", "123456", "1234567", "99港.MV2"]:
        write("port_name", name.encode("utf-8").hex(), name.encode("cp932"))
    write("port_name", "long", "24" + "港" * 127 + ".MV2")


if __name__ == "__main__":
    station_seeds()
    station_tide_seeds()
    station_views_seeds()
    cli_seeds()
    settings_seeds()
