#!/usr/bin/env python3
"""Build atomara.bkp, the element table the program loads at start-up.

The values come from openly licensed data carried by Debian packages
(see ../DATA-SOURCES.md).  fetch_sources.sh downloads and unpacks them and
runs this script; it can also be run by hand:

    build_bkp.py --root UNPACKED_TREE --elemental elemental.tsv [--check]

--root is a directory into which the .deb files were unpacked with
`dpkg-deb -x`, --elemental is the output of dump_elemental.  With --check
nothing is written: the table is rebuilt in memory, compared with the
committed file, and every place where the sources disagree beyond the
reporting tolerance is listed.

Only the standard library is used, and nothing from the packages is
imported: the Python data modules are read with `ast`, so no third-party
dependency (numpy and friends) is needed.
"""

from __future__ import annotations

import argparse
import ast
import csv
import gzip
import json
import re
import sys
import xml.etree.ElementTree as ET
from decimal import Decimal
from pathlib import Path

HERE = Path(__file__).resolve().parent
DEFAULT_OUTPUT = HERE.parent / "atomara.bkp"
ACID_BASE_CSV = HERE / "acid_base.csv"

LAST_ELEMENT = 109
FIELDS_PER_ELEMENT = 35
MISSING = "--"

# Elements that have no stable isotope and no standard atomic weight: their
# "weight" is the mass number of the longest-lived isotope, so the sources are
# compared as integers.
MASS_NUMBER_ONLY = {43, 61} | set(range(84, 90)) | set(range(93, LAST_ELEMENT + 1))
SYNTHETIC = {43, 61} | set(range(93, LAST_ELEMENT + 1))

# The file predates the 1997 naming settlement for these elements.
SYSTEMATIC = {
    104: ("Unnilquadium", "Unq"),
    105: ("Unnilpentium", "Unp"),
    106: ("Unnilhexium", "Unh"),
    107: ("Unnilseptium", "Uns"),
    108: ("Unniloctium", "Uno"),
    109: ("Unnilenium", "Une"),
}

EV_PER_KJ_MOL = 1 / 96.48533212

CRYSTAL_CODES = {
    # periodictable's symmetry names
    "fcc": "1", "BCC": "2", "Cubic": "3", "Diamond": "3", "SC": "3",
    "hcp": "4", "Rhombohedral": "5", "Tetragonal": "6", "Orthorhombic": "7",
    "Monoclinic": "8",
    # libelemental's lattice types (triclinic has no code in the file)
    "bcc": "2", "sc": "3", "hex": "4", "rho": "5", "tet": "6", "orth": "7",
    "mono": "8",
}

# Decisions that no voting rule can make.  Keep this short and say why.
OVERRIDES = {
    # Carbon sublimes at normal pressure; the table shows the sublimation
    # temperature as both melting and boiling point (bodr's melting value).
    (6, "boiling"): "3825",
    (6, "melting"): "3825",
    # periodictable follows Ashcroft & Mermin, whose "tetragonal boron" was
    # later shown to be a boride; the stable form is beta-rhombohedral.
    (5, "crystal"): "5",
    # periodictable gives diamond; the rest of carbon's data (density 2.267)
    # describe graphite, the standard state.
    (6, "crystal"): "4",
    # libelemental lists only +7 and pymatgen nothing; the well-characterised
    # xenon compounds (XeF2, XeF4, XeO3/XeF6) are +2, +4 and +6.
    (54, "oxidation"): "+2,+4,+6",
    # pymatgen's "about 10" is the value of a metallic conductor; white
    # phosphorus is an insulator.  No value is better than a wrong one.
    (15, "conductivity"): MISSING,
    # bodr's boiling points for berkelium (983 K) and californium (1173 K)
    # lie at or below their melting points; nobody has measured them.
    (97, "boiling"): MISSING,
    (98, "boiling"): MISSING,
}


# --------------------------------------------------------------------------
# Number formatting

def plain(value) -> str:
    """Shortest round-tripping decimal text without exponent or trailing zeros."""
    d = Decimal(repr(float(value))) if not isinstance(value, Decimal) else value
    text = format(d.normalize(), "f")
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def significant(value: float, digits: int) -> str:
    return plain(Decimal(f"{value:.{digits}g}"))


def number(text) -> float | None:
    """Leading number of a source string such as "about 55" or "1811 K"."""
    if text is None:
        return None
    if isinstance(text, (int, float)):
        return float(text)
    text = text.replace("about", "").replace("maybe", "").strip()
    if text.startswith("&gt;") or text.startswith(">"):
        return None  # a bound, not a value
    m = re.match(r"[-+]?\d+(\.\d*)?([eE][-+]?\d+)?", text)
    return float(m.group(0)) if m else None


# --------------------------------------------------------------------------
# Source readers.  Each returns {Z: {field: value}} with values in the units
# the .bkp file uses.

def read_bodr(root: Path) -> dict:
    path = root / "usr/share/bodr/elements.xml"
    out = {}
    for atom in ET.parse(path).getroot():
        if not atom.tag.endswith("atom"):
            continue
        raw = {}
        for child in atom:
            key = child.get("dictRef", "").split(":")[-1]
            raw[key] = child.get("value") if child.tag.endswith("label") else (child.text or "").strip()
        z = int(raw["atomicNumber"])
        if not 1 <= z <= LAST_ELEMENT:
            continue
        config = raw.get("electronicConfiguration")
        if config:
            # bodr writes the noble-gas core without brackets ("He 2s2").
            config = re.sub(r"^(He|Ne|Ar|Kr|Xe|Rn) ", r"[\1] ", config)
        ionization = number(raw.get("ionization"))
        out[z] = {
            "name": raw.get("name"),
            "symbol": raw.get("symbol"),
            "weight": number(raw.get("mass")),
            "boiling": number(raw.get("boilingpoint")),
            "melting": number(raw.get("meltingpoint")),
            "electronegativity": number(raw.get("electronegativityPauling")),
            # 0 is bodr's placeholder for "not measured"
            "ionization": ionization or None,
            "covalent_radius": number(raw.get("radiusCovalent")),
            "configuration": config,
        }
    return out


def find_pymatgen_json(root: Path) -> Path:
    for pattern in ("periodic_table.json", "periodic_table.json.gz"):
        hits = sorted(root.rglob(f"pymatgen/core/{pattern}"))
        if hits:
            return hits[0]
    raise SystemExit(f"pymatgen/core/periodic_table.json not found under {root}")


def read_pymatgen(root: Path) -> dict:
    path = find_pymatgen_json(root)
    opener = gzip.open if path.suffix == ".gz" else open
    with opener(path, "rt", encoding="utf-8") as f:
        data = json.load(f)
    out = {}
    for e in data.values():
        z = e["Atomic no"]
        if z > LAST_ELEMENT:
            continue

        def get(key, _e=e):
            value = _e.get(key)
            if isinstance(value, str) and "no data" in value:
                return None
            return value

        density = number(get("Density of solid"))
        config = get("Electronic structure")
        if config:
            config = re.sub(r"</?sup>", "", config).replace(".", " ")
            config = config.replace("(tentative)", "").strip()
        ionization = (e.get("Ionization energies") or [None])[0]
        states = e.get("Common oxidation states")
        radius = get("Atomic radius")
        out[z] = {
            "weight": number(e.get("Atomic mass")),
            "boiling": number(get("Boiling point")),
            "melting": number(get("Melting point")),
            "density": density / 1000 if density else None,  # kg/m3 -> g/cm3
            "electronegativity": number(e.get("X")),
            "resistivity": number(get("Electrical resistivity")),  # 10^-8 ohm m
            "thermal_conductivity": number(get("Thermal conductivity")),
            "ionization": number(ionization),
            "atomic_volume": number(get("Molar volume")),
            "atomic_radius": number(radius),
            "configuration": config,
            "oxidation": format_states(states) if states else None,
        }
    return out


def literal_assignments(path: Path) -> dict:
    """Top-level `name = <literal>` and `name = dict(k=<literal>, ...)` of a module."""
    tree = ast.parse(path.read_text(encoding="latin-1"))
    found = {}
    for node in tree.body:
        if not (isinstance(node, ast.Assign) and len(node.targets) == 1
                and isinstance(node.targets[0], ast.Name)):
            continue
        value = node.value
        try:
            if (isinstance(value, ast.Call) and isinstance(value.func, ast.Name)
                    and value.func.id == "dict"):
                found[node.targets[0].id] = {k.arg: ast.literal_eval(k.value) for k in value.keywords}
            else:
                found[node.targets[0].id] = ast.literal_eval(value)
        except ValueError:
            pass  # not a literal
    return found


def read_periodictable(root: Path, symbols: dict) -> dict:
    hits = sorted(root.rglob("periodictable/density.py"))
    if not hits:
        raise SystemExit(f"periodictable/density.py not found under {root}")
    pkg = hits[0].parent
    densities = literal_assignments(pkg / "density.py")["element_densities"]
    structures = literal_assignments(pkg / "crystal_structure.py")["crystal_structures"]
    cordero = literal_assignments(pkg / "covalent_radius.py")["Cordero"]
    radii = {}
    for line in cordero.splitlines():
        parts = line.split()
        if len(parts) >= 3 and parts[0] != "-":  # "-" rows are other spin states
            radii[int(parts[0])] = float(parts[2])
    out = {}
    for z, symbol in symbols.items():
        d = densities.get(symbol)
        if isinstance(d, tuple):
            d = d[0]
        s = structures[z] if z < len(structures) else None
        out[z] = {
            "density": d,  # liquids at the boiling point for gases; ignored there
            "crystal": CRYSTAL_CODES.get(s["symmetry"]) if s else None,
            "covalent_radius": radii.get(z),
        }
    return out


def read_elemental(tsv: Path) -> dict:
    out = {}
    with open(tsv, encoding="utf-8", newline="") as f:
        for row in csv.DictReader(f, delimiter="\t"):
            z = int(row["number"])
            if z > LAST_ELEMENT:
                continue
            # "~" marks estimates; they still count, like any source value.
            v = {k: (None if x == MISSING else x.rstrip("~")) for k, x in row.items()}
            num = lambda k: number(v[k])  # noqa: E731
            ionization = num("first_ionization_kJmol")
            radius = num("atomic_radius_pm")
            covalent = num("covalent_radius_pm")
            config = v["configuration"]
            out[z] = {
                "weight": num("mass"),
                "boiling": num("boiling_K"),
                "melting": num("melting_K"),
                "density": num("density_solid_gcm3") or num("density_liquid_gcm3"),
                "gas_density": num("density_gas_gL"),
                "gas": v["phase_273K"] == "gas",
                "heat_vaporization": num("vaporization_kJmol"),
                "heat_fusion": num("fusion_kJmol"),
                "specific_heat": num("specific_heat_JgK"),
                "thermal_conductivity": num("thermal_cond_WmK"),
                "atomic_volume": num("atomic_volume_cm3mol"),
                "atomic_radius": radius / 100 if radius else None,
                "covalent_radius": covalent / 100 if covalent else None,
                "electronegativity": num("electronegativity"),
                "ionization": ionization * EV_PER_KJ_MOL if ionization else None,
                "oxidation": format_states(int(s) for s in v["oxidation_states"].split(","))
                if v["oxidation_states"] else None,
                "crystal": CRYSTAL_CODES.get(v["lattice"] or ""),
                "configuration": re.sub(r"</?sup>", "", config) if config else None,
            }
    return out


def format_states(states) -> str:
    return ",".join(f"+{s}" if s > 0 else str(s) for s in sorted(states))


# --------------------------------------------------------------------------
# Choosing between sources

# field: (sources in order of preference, relative tolerance within which two
# values count as the same, tolerance beyond which --check reports, significant
# digits kept, plausible range).  The value most sources agree on wins; on a
# tie the first source in the list wins.  Sources after "|" are only checked
# against, never used: they are a different data set for the same quantity.
NUMERIC_FIELDS = {
    "weight":               ("bodr elemental pymatgen", 0.001, 0.002, 10, (1, 300)),
    # bodr carries several outdated transition points (Fe boils at 3023 K,
    # Si at 2630 K there); when all three differ libelemental's are the
    # better ones.
    "boiling":              ("elemental bodr pymatgen", 0.001, 0.03, 6, (1, 7000)),
    "melting":              ("elemental bodr pymatgen", 0.001, 0.03, 6, (0.5, 4000)),
    "density":              ("periodictable elemental pymatgen", 0.005, 0.03, 5, (0.1, 30)),
    "electronegativity":    ("bodr elemental pymatgen", 0.005, 0.02, 3, (0.5, 4.5)),
    "heat_vaporization":    ("elemental", 0.01, 0.05, 6, (0.01, 1000)),
    "heat_fusion":          ("elemental", 0.01, 0.05, 6, (0.001, 200)),
    "thermal_conductivity": ("pymatgen elemental", 0.01, 0.10, 5, (0.001, 2500)),
    "specific_heat":        ("elemental", 0.01, 0.05, 5, (0.05, 20)),
    "ionization":           ("bodr pymatgen elemental", 0.001, 0.02, 6, (3, 30)),
    "atomic_volume":        ("pymatgen elemental", 0.01, 0.10, 5, (1, 100)),
    "atomic_radius":        ("pymatgen elemental", 0.01, 0.05, 3, (0.2, 3)),
    "covalent_radius":      ("periodictable | bodr elemental", 0.01, 0.10, 3, (0.2, 3)),
}
TEXT_FIELDS = {
    "configuration": "bodr elemental pymatgen",
    "oxidation": "pymatgen elemental",
    "crystal": "periodictable elemental",
}


def agree(a: float, b: float, tol: float) -> bool:
    return abs(a - b) <= tol * max(abs(a), abs(b))


def vote(candidates, same):
    """candidates: [(source, value)] in preference order.  Returns the entry
    of the largest group of agreeing values, earliest source on ties."""
    best, best_count = None, 0
    for src, value in candidates:
        count = sum(1 for _, other in candidates if same(value, other))
        if count > best_count:
            best, best_count = (src, value), count
    return best


class Builder:
    def __init__(self, sources: dict, acid_base: dict):
        self.sources = sources
        self.acid_base = acid_base
        self.disagreements = []  # (z, field, chosen, source, others)

    def values(self, z, field, names):
        out = []
        for name in names.split():
            value = self.sources[name].get(z, {}).get(field)
            if value not in (None, ""):
                out.append((name, value))
        return out

    def numeric(self, z, field) -> str:
        if (z, field) in OVERRIDES:
            return OVERRIDES[(z, field)]
        order, tol, report_tol, digits, (low, high) = NUMERIC_FIELDS[field]
        used, _, checked = order.partition("|")
        candidates = [(s, v) for s, v in self.values(z, field, used) if low <= v <= high]
        if field == "density" and self.sources["elemental"].get(z, {}).get("gas"):
            candidates = []  # the solid/liquid figures are not the 273 K gas density
        if field == "weight" and z in MASS_NUMBER_ONLY:
            candidates = [(s, float(round(v))) for s, v in candidates]
        if not candidates:
            return MISSING
        src, value = vote(candidates, lambda a, b: agree(a, b, tol))
        everything = candidates + self.values(z, field, checked)
        others = [(s, v) for s, v in everything if not agree(v, value, report_tol)]
        if others:
            self.disagreements.append((z, field, value, src, others))
        return significant(value, digits)

    def text(self, z, field) -> str:
        if (z, field) in OVERRIDES:
            return OVERRIDES[(z, field)]
        candidates = self.values(z, field, TEXT_FIELDS[field])
        if field == "configuration":
            candidates = [(s, " ".join(v.split())) for s, v in candidates]
        if not candidates:
            return MISSING
        src, value = vote(candidates, lambda a, b: a == b)
        others = [(s, v) for s, v in candidates if v != value]
        if others:
            self.disagreements.append((z, field, value, src, others))
        return value

    def element(self, z: int) -> list[str]:
        bodr = self.sources["bodr"][z]
        name, symbol = SYSTEMATIC.get(z, (bodr["name"], bodr["symbol"]))
        n = {f: self.numeric(z, f) for f in NUMERIC_FIELDS}

        # Conductivity in 10^6/(ohm cm) is 1/resistivity in 10^-8 ohm m.
        rho = self.sources["pymatgen"].get(z, {}).get("resistivity")
        conductivity = OVERRIDES.get((z, "conductivity"),
                                     significant(1 / rho, 3) if rho else MISSING)

        gas = self.sources["elemental"].get(z, {}).get("gas")
        gas_density = self.sources["elemental"].get(z, {}).get("gas_density")
        if gas and gas_density:
            grams_per_litre = Decimal(significant(gas_density, 5))
            density_text = f"{plain(grams_per_litre)} g/L (Gas 273K)"
            density_number = plain(grams_per_litre.scaleb(-3))
        else:
            density_text = density_number = n["density"]

        ionization = n["ionization"]
        fields = [
            name,
            symbol,
            n["weight"],
            n["boiling"],
            n["melting"],
            density_text,
            self.text(z, "configuration"),
            MISSING if z > 103 else self.text(z, "oxidation"),
            self.text(z, "crystal"),
            self.acid_base.get(z, MISSING),
            n["electronegativity"],
            n["heat_vaporization"],
            n["heat_fusion"],
            conductivity,
            n["thermal_conductivity"],
            n["specific_heat"],
            MISSING if ionization == MISSING else f"{ionization} eV",
            n["atomic_volume"],
            n["atomic_radius"],
            n["covalent_radius"],
            "1" if z in SYNTHETIC else "0",
            n["weight"],
            n["boiling"],
            n["melting"],
            density_number,
            n["electronegativity"],
            n["heat_vaporization"],
            n["heat_fusion"],
            conductivity,
            n["thermal_conductivity"],
            n["specific_heat"],
            ionization,
            n["atomic_volume"],
            n["atomic_radius"],
            n["covalent_radius"],
        ]
        assert len(fields) == FIELDS_PER_ELEMENT
        return fields


def read_acid_base(path: Path) -> dict:
    out = {}
    with open(path, encoding="utf-8", newline="") as f:
        for row in csv.DictReader(line for line in f if not line.startswith("#")):
            value = row["character"].strip()
            if value not in ("1", "2", "3", MISSING):
                raise SystemExit(f"{path}: bad value {value!r} for Z={row['number']}")
            out[int(row["number"])] = value
    missing = set(range(1, LAST_ELEMENT + 1)) - set(out)
    if missing:
        raise SystemExit(f"{path}: no entry for Z={sorted(missing)}")
    return out


# display field -> its numeric twin
TWINS = {2: 21, 3: 22, 4: 23, 5: 24, 10: 25, 11: 26, 12: 27, 13: 28, 14: 29,
         15: 30, 16: 31, 17: 32, 18: 33, 19: 34}


def validate(lines: list[str]) -> None:
    """The invariants the loader relies on; fail the build rather than ship."""
    assert len(lines) == LAST_ELEMENT * FIELDS_PER_ELEMENT
    for z in range(1, LAST_ELEMENT + 1):
        f = lines[(z - 1) * FIELDS_PER_ELEMENT: z * FIELDS_PER_ELEMENT]
        where = f"Z={z} {f[1]}"
        for i in range(21, 35):
            if f[i] != MISSING:
                float(f[i])  # raises on anything that is not a plain number
        for shown, twin in TWINS.items():
            assert (f[shown] == MISSING) == (f[twin] == MISSING), f"{where}: fields {shown}/{twin}"
            if f[shown] == MISSING:
                continue
            if shown == 16:
                assert f[shown] == f"{f[twin]} eV", where
            elif not (shown == 5 and f[shown].endswith(")")):  # gases carry g/L and a note
                assert f[shown] == f[twin], f"{where}: field {shown} {f[shown]!r} != {f[twin]!r}"
        if f[20] == "0":
            assert f[22] != MISSING and f[23] != MISSING, f"{where}: needs boiling and melting point"
        for text in f:
            assert text and "\r" not in text and "\n" not in text, where
            text.encode("cp1252")


def build(root: Path, elemental_tsv: Path) -> tuple[bytes, list]:
    bodr = read_bodr(root)
    symbols = {z: e["symbol"] for z, e in bodr.items()}
    sources = {
        "bodr": bodr,
        "pymatgen": read_pymatgen(root),
        "periodictable": read_periodictable(root, symbols),
        "elemental": read_elemental(elemental_tsv),
    }
    builder = Builder(sources, read_acid_base(ACID_BASE_CSV))
    lines = []
    for z in range(1, LAST_ELEMENT + 1):
        lines.extend(builder.element(z))
    validate(lines)
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    return data, builder.disagreements


def report(disagreements, out=sys.stdout) -> None:
    for z, field, value, src, others in disagreements:
        rest = ", ".join(f"{s} {v:.6g}" if isinstance(v, float) else f"{s} {v!r}"
                         for s, v in others)
        shown = f"{value:.6g}" if isinstance(value, float) else repr(value)
        print(f"  Z={z:<3} {field:<20} chose {shown} ({src}); differs: {rest}", file=out)


def compare(new: bytes, path: Path) -> bool:
    if not path.exists():
        print(f"{path} does not exist")
        return False
    old = path.read_bytes()
    if old == new:
        print(f"{path.name} is up to date")
        return True
    old_lines = old.decode("cp1252").split("\r\n")
    new_lines = new.decode("cp1252").split("\r\n")
    if len(old_lines) != len(new_lines):
        print(f"line count differs: committed {len(old_lines)}, rebuilt {len(new_lines)}")
    for i, (a, b) in enumerate(zip(old_lines, new_lines)):
        if a != b:
            z, field = divmod(i, FIELDS_PER_ELEMENT)
            print(f"  Z={z + 1} field {field}: committed {a!r}, rebuilt {b!r}")
    return False


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--root", type=Path, required=True,
                        help="directory the source .deb files were unpacked into")
    parser.add_argument("--elemental", type=Path, required=True,
                        help="TSV written by dump_elemental")
    parser.add_argument("--output", type=Path, default=DEFAULT_OUTPUT)
    parser.add_argument("--check", action="store_true",
                        help="compare a fresh build with --output and list source disagreements")
    args = parser.parse_args()

    data, disagreements = build(args.root, args.elemental)
    if args.check:
        print(f"Sources disagreeing beyond tolerance ({len(disagreements)}):")
        report(disagreements)
        return 0 if compare(data, args.output) else 1
    args.output.write_bytes(data)
    lines = data.count(b"\r\n")
    print(f"wrote {args.output} ({lines} lines); "
          f"{len(disagreements)} source disagreements, see --check")
    return 0


if __name__ == "__main__":
    sys.exit(main())
