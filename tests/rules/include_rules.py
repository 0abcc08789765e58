#!/usr/bin/env python3
"""Fails when a product folder includes one that the README's include graph does not allow.

    include_rules.py <source root> <folder>...

The graph is the table after "Layers:" in README.md: a folder may include its own
files, the folders and headers its row names and, through the folders, whatever
those may include. A row whose first cell is "every folder" gives its entries to all.
Every folder given must have a row.
"""

import re
import sys
from pathlib import Path

SOURCE_SUFFIXES = {".h", ".hpp", ".c", ".cpp", ".rc", ".in"}
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')
TICKED = re.compile(r"`([^`]+)`")
EVERY = "every folder"


class RuleError(Exception):
    pass


def read_table(readme):
    """The Layers table as {folder or EVERY: [entries]}."""
    lines = readme.read_text(encoding="utf-8").splitlines()
    start = next((i for i, line in enumerate(lines) if "Layers:" in line), None)
    if start is None:
        raise RuleError(f'{readme}: no "Layers:" paragraph')
    rows = {}
    in_table = False
    for line in lines[start + 1 :]:
        cells = line.strip()
        if not cells.startswith("|"):
            if in_table:
                break
            continue
        in_table = True
        cells = [c.strip() for c in cells.strip("|").split("|")]
        if len(cells) < 2 or set(cells[0]) <= set("-: ") or cells[0] == "Folder":
            continue
        names = TICKED.findall(cells[0])
        key = EVERY if cells[0].strip("`").lower() == EVERY else (names[0] if len(names) == 1 else None)
        if key is None:
            raise RuleError(f"{readme}: a Layers row names no single folder: {line.strip()}")
        if key in rows:
            raise RuleError(f"{readme}: two Layers rows for {key}")
        rows[key] = TICKED.findall(cells[1])
    if not rows:
        raise RuleError(f"{readme}: no table after the Layers paragraph")
    return rows


def allowed_by(rows):
    """{folder: (folders it may include, single headers it may include)}."""
    folders = {f for f in rows if f != EVERY}
    for key, entries in rows.items():
        for entry in entries:
            if "/" not in entry and entry not in folders:
                raise RuleError(f"README.md: {key} names {entry}, which has no row")
    every_headers = {e for e in rows.get(EVERY, []) if "/" in e}
    every_folders = {e for e in rows.get(EVERY, []) if "/" not in e}
    allowed = {}

    def below(folder, path):
        if folder in path:
            raise RuleError(f"README.md: the layers go round: {' -> '.join(path + [folder])}")
        if folder not in allowed:
            reach = set(every_folders) - {folder}
            for entry in rows[folder]:
                if "/" not in entry:
                    reach |= {entry} | below(entry, path + [folder])[0]
            headers = {e for e in rows[folder] if "/" in e} | every_headers
            allowed[folder] = (reach, headers)
        return allowed[folder]

    for folder in folders:
        below(folder, [])
    return allowed


def check(root, given):
    rows = read_table(root / "README.md")
    allowed = allowed_by(rows)
    missing = [f for f in given if f not in allowed]
    if missing:
        raise RuleError(f"README.md: the Layers table has no row for {', '.join(missing)}")
    faults = []
    crossing = 0
    for folder, (reach, headers) in sorted(allowed.items()):
        if not (root / folder).is_dir():
            raise RuleError(f"README.md: the Layers table names {folder}, which is not a folder")
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
                continue
            text = path.read_text(encoding="utf-8", errors="replace")
            for number, line in enumerate(text.splitlines(), 1):
                m = INCLUDE.match(line)
                if not m:
                    continue
                target = m.group(1)
                where = f"{path.relative_to(root)}:{number}"
                if target.startswith("../") or "/../" in target:
                    faults.append(f"{where}: includes {target} by a relative path")
                    continue
                top = target.split("/")[0]
                if "/" not in target or top not in allowed or top == folder:
                    continue
                crossing += 1
                if top not in reach and target not in headers:
                    may = ", ".join(sorted(reach | headers)) or "nothing of ours"
                    faults.append(f"{where}: {folder} includes {target}; it may include {may}")
    for fault in faults:
        print(fault)
    if crossing == 0:
        raise RuleError("no include between folders found: the sources were not read")
    print(f"include rules: {crossing} includes between folders, {len(faults)} not allowed")
    return not faults


def main():
    if len(sys.argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    try:
        return 0 if check(Path(sys.argv[1]), sys.argv[2:]) else 1
    except RuleError as e:
        print(f"include rules: {e}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
