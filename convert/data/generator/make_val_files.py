#!/usr/bin/env python3
"""Writes the standard unit tables (*.VAL) into convert/data/.

Every unit is given by its value in the SI unit of its category, built from
exact definitions as Fractions, so each factor Factors(i, j) = value_i / value_j
is an exact ratio before the one final rounding to 15 significant digits.

Usage: make_val_files.py [output directory]   (default: the parent directory)
"""

import decimal
import sys
from fractions import Fraction as F
from pathlib import Path

COLUMN_WIDTH = 900  # twips

# --- exact base definitions -------------------------------------------------
INCH = F("0.0254")            # m, international inch (1959)
FOOT = 12 * INCH
YARD = 3 * FOOT
MILE = 5280 * FOOT            # international statute mile
POUND = F("0.45359237")       # kg, international avoirdupois pound (1959)
OUNCE = POUND / 16            # avoirdupois ounce
GRAIN = POUND / 7000
G_N = F("9.80665")            # m/s^2, standard gravity
LBF = POUND * G_N             # N
KGF = G_N                     # N
MINUTE = 60
HOUR = 3600
DAY = 86400
# The Julian year (365.25 d): the year astronomers use, and the one the
# light year is built on, so "a" and "ly" agree.
YEAR = F("365.25") * DAY
C = 299792458                 # m/s
US_GALLON = 231 * INCH ** 3
IMP_GALLON = F("0.00454609")  # m^3
CAL_IT = F("4.1868")          # J, International Steam Table calorie
BTU_IT = F("1055.05585262")   # J, IT British thermal unit
HP = 550 * FOOT * LBF         # W, mechanical horsepower
PS = 75 * KGF                 # W, metric horsepower
ATM = 101325                  # Pa
MMHG = F("133.322387415")     # Pa, conventional: 13595.1 kg/m^3 * g_n * 1 mm
MMH2O = G_N                   # Pa, conventional: 1000 kg/m^3 * g_n * 1 mm
PSI = LBF / INCH ** 2

micro = F(1, 10 ** 6)
milli = F(1, 1000)

# (short name, long name, value in the category's SI unit)
CATEGORIES = {
    "Length": [
        ("nm", "nanometre", F(1, 10 ** 9)),
        ("µm", "micrometre", micro),
        ("mm", "millimetre", milli),
        ("cm", "centimetre", F(1, 100)),
        ("dm", "decimetre", F(1, 10)),
        ("m", "metre", 1),
        ("km", "kilometre", 1000),
        ("Å", "ångström", F(1, 10 ** 10)),
        ("mil", "mil (thousandth of an inch)", INCH / 1000),
        ("in", "inch", INCH),
        ("ft", "foot", FOOT),
        ("yd", "yard", YARD),
        ("fathom", "fathom", 2 * YARD),
        ("furlong", "furlong", 220 * YARD),
        ("mile", "mile (international statute mile)", MILE),
        ("nmi", "nautical mile", 1852),
        ("au", "astronomical unit", 149597870700),
        ("ly", "light year (Julian year)", C * YEAR),
    ],
    "Area": [
        ("mm²", "square millimetre", milli ** 2),
        ("cm²", "square centimetre", F(1, 100) ** 2),
        ("dm²", "square decimetre", F(1, 10) ** 2),
        ("m²", "square metre", 1),
        ("a", "are", 100),
        ("ha", "hectare", 10000),
        ("km²", "square kilometre", 1000 ** 2),
        ("in²", "square inch", INCH ** 2),
        ("ft²", "square foot", FOOT ** 2),
        ("yd²", "square yard", YARD ** 2),
        ("acre", "acre (international)", 4840 * YARD ** 2),
        ("mile²", "square mile", MILE ** 2),
    ],
    "Volume": [
        ("mm³", "cubic millimetre", milli ** 3),
        ("cm³", "cubic centimetre", F(1, 100) ** 3),
        ("ml", "millilitre", micro),
        ("dm³", "cubic decimetre", milli),
        ("l", "litre", milli),
        ("hl", "hectolitre", F(1, 10)),
        ("m³", "cubic metre", 1),
        ("in³", "cubic inch", INCH ** 3),
        ("ft³", "cubic foot", FOOT ** 3),
        ("yd³", "cubic yard", YARD ** 3),
        ("fl oz (US)", "US fluid ounce", US_GALLON / 128),
        ("pt (US)", "US liquid pint", US_GALLON / 8),
        ("qt (US)", "US liquid quart", US_GALLON / 4),
        ("gal (US)", "US gallon", US_GALLON),
        ("bbl", "US oil barrel (42 US gallons)", 42 * US_GALLON),
        ("fl oz (imp)", "imperial fluid ounce", IMP_GALLON / 160),
        ("pt (imp)", "imperial pint", IMP_GALLON / 8),
        ("gal (imp)", "imperial gallon", IMP_GALLON),
    ],
    "Mass": [
        ("µg", "microgram", F(1, 10 ** 9)),
        ("mg", "milligram", micro),
        ("g", "gram", milli),
        ("kg", "kilogram", 1),
        ("t", "tonne (metric ton)", 1000),
        ("gr", "grain", GRAIN),
        ("ct", "metric carat", F(2, 10000)),
        ("oz", "ounce (avoirdupois)", OUNCE),
        ("lb", "pound (avoirdupois)", POUND),
        ("st", "stone", 14 * POUND),
        ("slug", "slug", LBF / FOOT),  # 1 lbf accelerates it by 1 ft/s²
        ("sh tn", "short ton (2000 lb)", 2000 * POUND),
        ("long tn", "long ton (2240 lb)", 2240 * POUND),
    ],
    "Force": [
        ("N", "newton", 1),
        ("kN", "kilonewton", 1000),
        ("MN", "meganewton", 10 ** 6),
        ("dyn", "dyne", F(1, 10 ** 5)),
        ("p", "pond (gram-force)", KGF / 1000),
        ("pdl", "poundal", POUND * FOOT),
        ("ozf", "ounce-force", OUNCE * G_N),
        ("lbf", "pound-force", LBF),
        ("kp", "kilopond (kilogram-force)", KGF),
        ("kip", "kip (1000 pound-force)", 1000 * LBF),
    ],
    "Pressure": [
        ("Pa", "pascal", 1),
        ("hPa", "hectopascal", 100),
        ("kPa", "kilopascal", 1000),
        ("MPa", "megapascal", 10 ** 6),
        ("N/mm²", "newton per square millimetre", 10 ** 6),
        ("mbar", "millibar", 100),
        ("bar", "bar", 10 ** 5),
        ("at", "technical atmosphere", KGF * 10 ** 4),
        ("kp/cm²", "kilopond per square centimetre", KGF * 10 ** 4),
        ("atm", "standard atmosphere", ATM),
        ("Torr", "torr", F(ATM, 760)),
        ("mmHg", "millimetre of mercury (conventional)", MMHG),
        ("inHg", "inch of mercury (conventional)", MMHG * F("25.4")),
        ("mmH2O", "millimetre of water (conventional)", MMH2O),
        ("inH2O", "inch of water (conventional)", MMH2O * F("25.4")),
        ("psi", "pound-force per square inch", PSI),
        ("ksi", "kip per square inch", 1000 * PSI),
    ],
    "Density": [
        ("kg/m³", "kilogram per cubic metre", 1),
        ("g/l", "gram per litre", 1),
        ("g/cm³", "gram per cubic centimetre", 1000),
        ("kg/dm³", "kilogram per cubic decimetre", 1000),
        ("t/m³", "tonne per cubic metre", 1000),
        ("lb/ft³", "pound per cubic foot", POUND / FOOT ** 3),
        ("lb/gal (imp)", "pound per imperial gallon", POUND / IMP_GALLON),
        ("lb/gal (US)", "pound per US gallon", POUND / US_GALLON),
        ("slug/ft³", "slug per cubic foot", LBF / FOOT / FOOT ** 3),
        ("oz/in³", "ounce per cubic inch", OUNCE / INCH ** 3),
        ("lb/in³", "pound per cubic inch", POUND / INCH ** 3),
    ],
    "Energy": [
        ("J", "joule", 1),
        ("kJ", "kilojoule", 1000),
        ("MJ", "megajoule", 10 ** 6),
        ("GJ", "gigajoule", 10 ** 9),
        ("Wh", "watt hour", HOUR),
        ("kWh", "kilowatt hour", 1000 * HOUR),
        ("MWh", "megawatt hour", 10 ** 6 * HOUR),
        ("eV", "electronvolt", F("1.602176634e-19")),
        ("erg", "erg", F(1, 10 ** 7)),
        ("ft·lbf", "foot pound-force", FOOT * LBF),
        ("cal", "calorie (international steam table)", CAL_IT),
        ("kp·m", "kilopond metre", KGF),
        ("BTU", "British thermal unit (international table)", BTU_IT),
        ("kcal", "kilocalorie (international steam table)", 1000 * CAL_IT),
        ("hp·h", "horsepower hour (mechanical)", HP * HOUR),
        ("thm", "therm (100000 international table BTU)", 100000 * BTU_IT),
    ],
    "Power": [
        ("mW", "milliwatt", milli),
        ("W", "watt", 1),
        ("kW", "kilowatt", 1000),
        ("MW", "megawatt", 10 ** 6),
        ("erg/s", "erg per second", F(1, 10 ** 7)),
        ("BTU/h", "BTU (international table) per hour", BTU_IT / HOUR),
        ("kcal/h", "kilocalorie (international) per hour", 1000 * CAL_IT / HOUR),
        ("ft·lbf/s", "foot pound-force per second", FOOT * LBF),
        ("kp·m/s", "kilopond metre per second", KGF),
        ("PS", "metric horsepower", PS),
        ("hp", "horsepower (mechanical)", HP),
        ("TR", "ton of refrigeration (12000 BTU/h)", 12000 * BTU_IT / HOUR),
    ],
    # Sizes of a degree only; the zero-point offsets are the program's job.
    "Temperat": [
        ("K", "kelvin", 1),
        ("°C", "degree Celsius", 1),
        ("°F", "degree Fahrenheit", F(5, 9)),
        ("°R", "degree Rankine", F(5, 9)),
        ("°Ré", "degree Réaumur", F(5, 4)),
    ],
    "DynVisc": [
        ("µPa·s", "micropascal second", micro),
        ("mPa·s", "millipascal second", milli),
        ("Pa·s", "pascal second", 1),
        ("N·s/m²", "newton second per square metre", 1),
        ("cP", "centipoise", milli),
        ("P", "poise", F(1, 10)),
        ("kp·s/m²", "kilopond second per square metre", KGF),
        ("lb/(ft·h)", "pound per foot hour", POUND / FOOT / HOUR),
        ("lb/(ft·s)", "pound per foot second", POUND / FOOT),
        ("lbf·s/ft²", "pound-force second per square foot", LBF / FOOT ** 2),
        ("lbf·s/in²", "pound-force second per square inch (reyn)", PSI),
    ],
    "KinVisc": [
        ("mm²/s", "square millimetre per second", micro),
        ("cm²/s", "square centimetre per second", F(1, 10 ** 4)),
        ("m²/s", "square metre per second", 1),
        ("m²/h", "square metre per hour", F(1, HOUR)),
        ("cSt", "centistokes", micro),
        ("St", "stokes", F(1, 10 ** 4)),
        ("ft²/h", "square foot per hour", FOOT ** 2 / HOUR),
        ("in²/s", "square inch per second", INCH ** 2),
        ("ft²/s", "square foot per second", FOOT ** 2),
    ],
    "Time": [
        ("ns", "nanosecond", F(1, 10 ** 9)),
        ("µs", "microsecond", micro),
        ("ms", "millisecond", milli),
        ("s", "second", 1),
        ("min", "minute", MINUTE),
        ("h", "hour", HOUR),
        ("d", "day", DAY),
        ("wk", "week", 7 * DAY),
        ("mo", "month (1/12 Julian year)", YEAR / 12),
        ("a", "year (Julian year of 365.25 days)", YEAR),
    ],
}

_CTX = decimal.Context(prec=15, rounding=decimal.ROUND_HALF_EVEN)

# Magnitudes below 1e-4 or from 1e15 up are written with an exponent
# (so 2.54E-05, but .0001).
EXP_BELOW = -4  # power of ten
EXP_FROM = 15


def format_factor(x):
    """Formats x rounded to 15 significant digits, as the files want it:
    " .5", "-2", " 1.5E+20", " 1E-07"."""
    x = F(x)
    if x == 0:
        return " 0"
    # Decimal division is correctly rounded, so this is the one rounding step.
    d = _CTX.divide(decimal.Decimal(x.numerator), decimal.Decimal(x.denominator))
    sign, digits, exp = d.normalize(_CTX).as_tuple()
    digits = "".join(map(str, digits))
    lead = "-" if sign else " "
    adjusted = len(digits) - 1 + exp  # power of ten of the first digit
    if adjusted < EXP_BELOW or adjusted >= EXP_FROM:
        mantissa = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
        return "%s%sE%s%02d" % (lead, mantissa, "-" if adjusted < 0 else "+", abs(adjusted))
    if exp >= 0:
        return lead + digits + "0" * exp
    point = len(digits) + exp  # digits before the decimal point
    if point > 0:
        return lead + digits[:point] + "." + digits[point:]
    return lead + "." + "0" * -point + digits


def check_name(name):
    if '"' in name or "," in name:
        raise ValueError("name with quote or comma: %r" % name)
    name.encode("cp1252")  # must be representable in the file


def render(units):
    if not 1 <= len(units) <= 101:
        raise ValueError("bad unit count %d" % len(units))
    lines = [" %d " % len(units)]
    for short, long_, value_i in units:
        check_name(short)
        check_name(long_)
        if len(short) > 20 or len(long_) > 50:
            raise ValueError("name too long: %r / %r" % (short, long_))
        lines.append('"%s","%s"' % (short, long_))
        for _, _, value_j in units:
            lines.append(format_factor(F(value_i) / F(value_j)))
    lines += [" %d " % COLUMN_WIDTH] * len(units)
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def self_test():
    cases = [(F(1, 3), " .333333333333333"), (F(1, 2), " .5"), (F(1, 100), " .01"),
             (100, " 100"), (10 ** 6, " 1000000"), (F(-1, 2), "-.5"), (1, " 1"),
             (F(1, 10 ** 7), " 1E-07"), (F("2.54e-5"), " 2.54E-05"), (F("1e-4"), " .0001"),
             (F("9.99999999999999e-5"), " 9.99999999999999E-05"), (F("99999999999999999e-21"), " .0001"),
             (F("1.5e20"), " 1.5E+20"), (F(2, 3), " .666666666666667"),
             (C * YEAR, " 9.4607304725808E+15"), (F("999999999999999.9"), " 1E+15"),
             (F("123456789012345.6"), " 123456789012346"), (F("1e-100"), " 1E-100")]
    for value, want in cases:
        got = format_factor(value)
        assert got == want, (value, got, want)


def main():
    self_test()
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent
    # Render everything first so a bad entry leaves no half-written set.
    files = {stem + ".VAL": render(units) for stem, units in CATEGORIES.items()}
    for name, data in files.items():
        (out / name).write_bytes(data)
    print("wrote %d files to %s" % (len(files), out))


if __name__ == "__main__":
    main()
