#!/usr/bin/env python3
"""Compares the compiled case tables with Python's own Unicode data on every scalar.

    python3 console/check_case_mapping.py <path to console_case_mapping_dump>

The dump lists the scalars that upper-case to something else or are combining marks; every scalar not
listed must upper-case to itself (str.upper) and be no mark (unicodedata.category). Exits 1 on the first
differences (at most 20 shown), 0 when all agree.
"""
import subprocess
import sys
import unicodedata


def main():
    lines = subprocess.run([sys.argv[1]], check=True, capture_output=True, text=True).stdout.splitlines()
    version = lines[0].split()[1]
    if version != unicodedata.unidata_version:
        print(f"the tables are from Unicode {version}, this Python has {unicodedata.unidata_version}: "
              "regenerate them with console/generate_case_mapping.py")
        return 1
    listed = {}
    for line in lines[1:]:
        fields = line.split()
        listed[int(fields[0], 16)] = ("".join(chr(int(u, 16)) for u in fields[1:-1]), fields[-1] == "M")
    differences = []
    checked = 0
    for c in range(0x110000):
        if 0xD800 <= c <= 0xDFFF:
            continue
        checked += 1
        expected = (chr(c).upper(), unicodedata.category(chr(c)).startswith("M"))
        if listed.get(c, (chr(c), False)) != expected:
            differences.append(f"U+{c:04X}: tables {listed.get(c, (chr(c), False))!r}, Python {expected!r}")
    for difference in differences[:20]:
        print(difference)
    print(f"{checked - len(differences)} passed, {len(differences)} failed")
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
