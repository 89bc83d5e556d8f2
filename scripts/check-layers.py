#!/usr/bin/env python3
"""Holds the source tree to its layers: a file under src/ may include its own
folder and the folders of lower layers, never one of its own layer or above,
except for the edges the game's design itself draws. Prints each offending
include and exits 1; the README's layout section says the same in words."""
import pathlib
import re
import sys

# Lowest first. Folders of one layer do not include each other.
LAYERS = [
    ["foundation", "language"],
    ["platform", "sound", "config"],
    ["scene", "resources", "replay"],
    ["actors", "presentation"],
    ["session"],
    ["menus"],
    ["gameplay"],
    ["screens"],
    ["app"],
]

# Headers that lower layers may include, and why.
FORCED = {
    "app/GameState.hpp": "the play screen and the front-end screens are the shell's screens",
    "app/Level.hpp": "enemies, the spawner and the score board read and raise the level",
    "gameplay/Category.hpp": "every actor carries a collision category, and the effects read them",
}

INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/([^"]+)"', re.MULTILINE)


def main() -> int:
    src = pathlib.Path(__file__).resolve().parent.parent / "src"
    rank = {folder: i for i, layer in enumerate(LAYERS) for folder in layer}
    faults = []
    for path in sorted(src.rglob("*.[ch]pp")):
        folder = path.relative_to(src).parts[0]
        if folder not in rank:
            faults.append(f"{path.relative_to(src)}: folder '{folder}' has no layer")
            continue
        for target, name in INCLUDE.findall(path.read_text()):
            if target == folder or f"{target}/{name}" in FORCED:
                continue
            if target not in rank:
                faults.append(f"{path.relative_to(src)}: includes unknown folder '{target}'")
            elif rank[target] >= rank[folder]:
                faults.append(f"{path.relative_to(src)}: includes {target}/{name}, "
                              f"not below '{folder}'")
    for fault in faults:
        print(f"layers: {fault}", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
