#!/usr/bin/env python3
"""Checks the *.VAL unit tables: file layout, number format, consistency of
each matrix, and every factor against GNU units (package "units").

Deliberately shares no code or definitions with make_val_files.py: the
reader is its own and each unit is mapped to a GNU units expression below.

Usage: check_val_files.py [data directory]   (default: the parent directory)
Exit status 0 only if every file passes.
"""

import re
import subprocess
import sys
import time
from pathlib import Path

REL_TOL = 1e-12
COLUMN_WIDTH = 900
MAX_UNITS = 101

# Short name -> GNU units expression, per file stem.  Where GNU units' plain
# name means something else, the explicit name of the definition we use is
# given: GNU "year"/"month" are tropical, "calorie" is thermochemical,
# "therm" is the US therm (ECtherm is 1e5 btu_ISO = 105.506 MJ).
GNU = {
    "Length": {
        "nm": "nanometer", "µm": "micrometer", "mm": "millimeter", "cm": "centimeter",
        "dm": "decimeter", "m": "meter", "km": "kilometer", "Å": "angstrom",
        "mil": "mil", "in": "inch", "ft": "foot", "yd": "yard", "fathom": "fathom",
        "furlong": "furlong", "mile": "mile", "nmi": "nauticalmile",
        "au": "astronomicalunit", "ly": "lightyear",
    },
    "Area": {
        "mm²": "mm^2", "cm²": "cm^2", "dm²": "dm^2", "m²": "m^2", "a": "are",
        "ha": "hectare", "km²": "km^2", "in²": "inch^2", "ft²": "foot^2",
        "yd²": "yard^2", "acre": "acre", "mile²": "mile^2",
    },
    "Volume": {
        "mm³": "mm^3", "cm³": "cm^3", "ml": "milliliter", "dm³": "dm^3", "l": "liter",
        "hl": "hectoliter", "m³": "m^3", "in³": "inch^3", "ft³": "foot^3",
        "yd³": "yard^3", "fl oz (US)": "usfluidounce", "pt (US)": "uspint",
        "qt (US)": "usquart", "gal (US)": "usgallon", "bbl": "petroleumbarrel",
        "fl oz (imp)": "brfluidounce", "pt (imp)": "brpint", "gal (imp)": "brgallon",
    },
    "Mass": {
        "µg": "microgram", "mg": "milligram", "g": "gram", "kg": "kilogram",
        "t": "tonne", "gr": "grain", "ct": "metriccarat", "oz": "ounce",
        "lb": "pound", "st": "stone", "slug": "slug", "sh tn": "shortton",
        "long tn": "longton",
    },
    "Force": {
        "N": "newton", "kN": "kilonewton", "MN": "meganewton", "dyn": "dyne",
        "p": "pond", "pdl": "poundal", "ozf": "ounce force", "lbf": "lbf",
        "kp": "kilopond", "kip": "kip",
    },
    "Pressure": {
        "Pa": "pascal", "hPa": "hectopascal", "kPa": "kilopascal", "MPa": "megapascal",
        "N/mm²": "N/mm^2", "mbar": "millibar", "bar": "bar",
        "at": "technicalatmosphere", "kp/cm²": "kgf/cm^2", "atm": "atm",
        "Torr": "torr", "mmHg": "mmHg", "inHg": "inHg", "mmH2O": "mmH2O",
        "inH2O": "inH2O", "psi": "psi", "ksi": "ksi",
    },
    "Density": {
        "kg/m³": "kg/m^3", "g/l": "gram/liter", "g/cm³": "gram/cm^3",
        "kg/dm³": "kg/dm^3", "t/m³": "tonne/m^3", "lb/ft³": "pound/foot^3",
        "lb/gal (imp)": "pound/brgallon", "lb/gal (US)": "pound/usgallon",
        "slug/ft³": "slug/foot^3", "oz/in³": "ounce/inch^3", "lb/in³": "pound/inch^3",
    },
    "Energy": {
        "J": "joule", "kJ": "kilojoule", "MJ": "megajoule", "GJ": "gigajoule",
        "Wh": "watt hour", "kWh": "kilowatt hour", "MWh": "megawatt hour",
        "eV": "electronvolt", "erg": "erg", "ft·lbf": "foot lbf",
        "cal": "calorie_IT", "kp·m": "kgf meter", "BTU": "btu_IT",
        "kcal": "kilo calorie_IT", "hp·h": "horsepower hour", "thm": "1e5 btu_IT",
    },
    "Power": {
        "mW": "milliwatt", "W": "watt", "kW": "kilowatt", "MW": "megawatt",
        "erg/s": "erg/second", "BTU/h": "btu_IT/hour", "kcal/h": "kilo calorie_IT/hour",
        "ft·lbf/s": "foot lbf/second", "kp·m/s": "kgf meter/second",
        "PS": "metrichorsepower", "hp": "horsepower", "TR": "tonrefrigeration",
    },
    # Interval units: GNU degC/degF/degR are sizes of a degree, not scales.
    "Temperat": {
        "K": "K", "°C": "degC", "°F": "degF", "°R": "degR", "°Ré": "degreaumur",
    },
    "DynVisc": {
        "µPa·s": "micropascal second", "mPa·s": "millipascal second",
        "Pa·s": "pascal second", "N·s/m²": "newton second/m^2", "cP": "centipoise",
        "P": "poise", "kp·s/m²": "kgf second/m^2", "lb/(ft·h)": "pound/(foot hour)",
        "lb/(ft·s)": "pound/(foot second)", "lbf·s/ft²": "lbf second/foot^2",
        "lbf·s/in²": "reyn",
    },
    "KinVisc": {
        "mm²/s": "mm^2/second", "cm²/s": "cm^2/second", "m²/s": "m^2/second",
        "m²/h": "m^2/hour", "cSt": "centistokes", "St": "stokes",
        "ft²/h": "foot^2/hour", "in²/s": "inch^2/second", "ft²/s": "foot^2/second",
    },
    "Time": {
        "ns": "nanosecond", "µs": "microsecond", "ms": "millisecond", "s": "second",
        "min": "minute", "h": "hour", "d": "day", "wk": "week",
        "mo": "julianyear/12", "a": "julianyear",
    },
}

COUNT_RE = re.compile(r" (\d+) ")
NAMES_RE = re.compile(r'"([^"]*)","([^"]*)"')
# Plain: integer without point, or fraction without a leading zero and
# without trailing zeros.  Exponent: d[.ddd]E±dd, mantissa without trailing zeros.
PLAIN_RE = re.compile(r"[ -](?:[1-9]\d*|(?:[1-9]\d*)?\.\d*[1-9])")
EXP_RE = re.compile(r"[ -][1-9](?:\.\d*[1-9])?E[+-]\d{2,3}")


class Bad(Exception):
    pass


def tokenize(text):
    """Generic reader: items separated by commas or line ends; a quoted item
    is taken verbatim up to its closing quote."""
    items, i, n = [], 0, len(text)
    while i < n:
        if text[i] == '"':
            j = text.index('"', i + 1)
            items.append(text[i + 1:j])
            i = j + 1
        else:
            j = i
            while j < n and text[j] not in ",\r\n":
                j += 1
            items.append(text[i:j].strip())
            i = j
        while i < n and text[i] in " ":
            i += 1
        if i < n and text[i] == ",":
            i += 1
        elif text.startswith("\r\n", i):
            i += 2
        elif i < n:
            raise Bad("junk after item at offset %d" % i)
    return items


def check_number_text(s):
    """Returns the value of a factor line, or raises Bad if it is not in the
    canonical form (15 significant digits at most, exponent only when needed)."""
    if PLAIN_RE.fullmatch(s):
        if len(s.replace("-", "").replace(".", "").strip().lstrip("0")) > 15:
            raise Bad("more than 15 digits: %r" % s)
        v = float(s)
        if 0 < abs(v) < 1e-4 or abs(v) >= 1e15:
            raise Bad("needs exponent notation: %r" % s)
        return v
    if EXP_RE.fullmatch(s):
        mantissa = s[1:s.index("E")].replace(".", "")
        if len(mantissa) > 15:
            raise Bad("more than 15 digits: %r" % s)
        v = float(s)
        if 1e-4 <= abs(v) < 1e15:
            raise Bad("needless exponent notation: %r" % s)
        return v
    raise Bad("malformed number %r" % s)


def read_val(path):
    """Parses and layout-checks one file; returns [(short, long, [factors])]."""
    raw = path.read_bytes()
    if not raw.endswith(b"\r\n"):
        raise Bad("does not end with CR LF")
    lines = raw[:-2].split(b"\r\n")
    if any(b"\r" in line or b"\n" in line for line in lines):
        raise Bad("line end other than CR LF")
    text = raw.decode("cp1252")  # raises on bytes undefined in Windows-1252
    lines = [line.decode("cp1252") for line in lines]

    m = COUNT_RE.fullmatch(lines[0])
    if not m:
        raise Bad("bad count line %r" % lines[0])
    n = int(m.group(1))
    if not 1 <= n <= MAX_UNITS:
        raise Bad("unit count %d out of range" % n)
    if len(lines) != 1 + n * (n + 1) + n:
        raise Bad("%d lines, expected %d" % (len(lines), 1 + n * (n + 1) + n))

    units = []
    for i in range(n):
        at = 1 + i * (n + 1)
        m = NAMES_RE.fullmatch(lines[at])
        if not m:
            raise Bad("bad name line %d: %r" % (at + 1, lines[at]))
        short, long_ = m.groups()
        if not short or not long_ or len(short) > 20 or len(long_) > 50 or "," in short + long_:
            raise Bad("bad names on line %d: %r" % (at + 1, lines[at]))
        factors = []
        for k, s in enumerate(lines[at + 1:at + 1 + n]):
            try:
                factors.append(check_number_text(s))
            except Bad as e:
                raise Bad("line %d: %s" % (at + 2 + k, e))
        units.append((short, long_, factors))
    for k, s in enumerate(lines[1 + n * (n + 1):]):
        if s != " %d " % COLUMN_WIDTH:
            raise Bad("bad column width line %d: %r" % (2 + n * (n + 1) + k, s))

    # The generic reader must see the same items.
    want = [str(n)] + [x for u in units for x in [u[0], u[1]] + [None] * n] + [str(COLUMN_WIDTH)] * n
    got = tokenize(text)
    if len(got) != len(want) or any(w is not None and g != w for g, w in zip(got, want)):
        raise Bad("generic reader disagrees with the line layout")
    shorts = [u[0] for u in units]
    if len(set(shorts)) != n:
        raise Bad("duplicate short names")
    return units


def check_matrix(units):
    errors = []
    n = len(units)
    for i in range(n):
        if units[i][2][i] != 1:
            errors.append("diagonal %s is %r" % (units[i][0], units[i][2][i]))
        for j in range(i + 1, n):
            p = units[i][2][j] * units[j][2][i]
            if not abs(p - 1) <= REL_TOL:
                errors.append("%s/%s times reverse = %r" % (units[i][0], units[j][0], p))
    return errors


def gnu_factors(exprs):
    """All n*n conversions through one units process; [i][j] = exprs[i] in exprs[j]."""
    n = len(exprs)
    feed = "".join("%s\n%s\n" % (a, b) for a in exprs for b in exprs)
    run = subprocess.run(["units", "-f", "", "-t", "-d", "15"], input=feed,
                         capture_output=True, text=True, timeout=60)
    out = run.stdout.split("\n")[:-1]
    values = []
    for s in out:
        try:
            values.append(float(s))
        except ValueError:
            values = None
            break
    if values is None or len(values) != n * n:
        # Name the culprit: convert each expression once on its own.
        for e in exprs:
            r = subprocess.run(["units", "-f", "", "-t", "-d", "15", e, exprs[0]],
                               capture_output=True, text=True)
            if r.returncode or not re.fullmatch(r"[-+.\deE]+\n", r.stdout):
                raise Bad("GNU units cannot convert %r to %r: %s" % (e, exprs[0], (r.stdout + r.stderr).strip()))
        raise Bad("unexpected GNU units output: %r" % out[:5])
    return [values[i * n:(i + 1) * n] for i in range(n)]


def check_file(path, table):
    units = read_val(path)
    errors = check_matrix(units)
    shorts = [u[0] for u in units]
    missing = [s for s in shorts if s not in table]
    extra = [s for s in table if s not in shorts]
    if missing or extra:
        raise Bad("no GNU expression for %s; unused table entries %s" % (missing, extra))
    ref = gnu_factors([table[s] for s in shorts])
    for i, (short, _, factors) in enumerate(units):
        for j, f in enumerate(factors):
            r = ref[i][j]
            if not abs(f - r) <= REL_TOL * max(abs(f), abs(r)):
                errors.append("%s -> %s: file %r, GNU units %r" % (short, shorts[j], f, r))
    return len(units), errors


def main():
    start = time.monotonic()
    data = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent
    failed = factors = 0
    for stem, table in GNU.items():
        path = data / (stem + ".VAL")
        try:
            n, errors = check_file(path, table)
            factors += n * n
        except (Bad, OSError, UnicodeDecodeError, subprocess.SubprocessError) as e:
            errors = [str(e)]
        for e in errors[:20]:
            print("%s: %s" % (path.name, e))
        failed += bool(errors)
    verdict = "OK" if not failed else "FAILED (%d files)" % failed
    print("%s: %d files, %d factors checked against GNU units in %.1f s"
          % (verdict, len(GNU), factors, time.monotonic() - start))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
