#!/usr/bin/env python3
"""Fails when a source file includes a header of a higher layer, when core code includes Windows, or
when the benchmarks reach into the Windows tests instead of their shared support (tests/support).

The layers, lowest first; a folder may include its own layer and every layer below it."""
import pathlib
import re
import sys

LAYERS = [
    ("core",),
    ("platform", "res"),
    ("list", "tree"),
    ("edit", "browser", "transfer"),
    ("app",),
]
LEVEL = {folder: level for level, folders in enumerate(LAYERS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def faults_in(path, root):
    folder = path.relative_to(root).parts[0]
    own = LEVEL[folder]
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        kind, name = match.groups()
        if folder == "core" and kind == "<" and name.lower().startswith(("windows", "commctrl", "shlobj")):
            yield f"{path}:{number}: core code includes <{name}>"
        head = name.split("/")[0]
        if kind == '"' and head in LEVEL and LEVEL[head] > own:
            yield f"{path}:{number}: {folder}/ (layer {own}) includes {name} (layer {LEVEL[head]})"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    faults = []
    for folder in LEVEL:
        for path in sorted((root / folder).glob("*")):
            if path.suffix in (".h", ".cpp", ".rc"):
                faults.extend(faults_in(path, root))
    for path in sorted((root / "bench").glob("*")):
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if match and match.group(2).startswith("tests/") and not match.group(2).startswith("tests/support/"):
                faults.append(f"{path}:{number}: bench/ includes {match.group(2)} (only tests/support/ is shared)")
    for fault in faults:
        print(fault)
    print(f"layers: {len(faults)} include(s) pointing up")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
