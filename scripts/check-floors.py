#!/usr/bin/env python3
# Checks the house's floors: no include runs to a higher floor, and no two units include each other in a loop.
import os, pathlib, re, sys

# Lowest first; a folder may include its own floor and those below. The seam is open to every floor.
FLOORS = ["resources", "platform/canvas", "platform/window platform/system", "platform/chrome",
          "game ai render persist turn", "shell", "platform/sdl platform/headless platform/web", "tools tests"]
SEAM = "platform/backend"

root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
def floor(unit):
    return max((i for i, names in enumerate(FLOORS) for name in names.split() if unit.startswith(name + "/")), default=None)

graph, faults = {}, []
for folder, subfolders, names in os.walk(root):
    subfolders[:] = sorted(d for d in subfolders if not d.startswith(("build", ".")))
    for name in sorted(n for n in names if n.endswith((".h", ".cpp"))):
        rel = pathlib.Path(folder, name).relative_to(root).as_posix()
        unit = rel.rsplit(".", 1)[0]
        for target in re.findall(r'^#include "([^"]+)\.h"', pathlib.Path(folder, name).read_text(), re.M):
            if target == unit or target == SEAM:
                continue
            graph.setdefault(unit, set()).add(target)
            if floor(target) is not None and floor(unit) is not None and floor(target) > floor(unit):
                faults.append(f"{rel} includes {target}.h from a higher floor")

state = {}
def visit(unit, trail):
    state[unit] = "open"
    for target in sorted(graph.get(unit, ())):
        if state.get(target) == "open":
            faults.append("include loop: " + " -> ".join(trail[trail.index(target):] + [target]))
        elif target not in state:
            visit(target, trail + [target])
    state[unit] = "done"
for unit in sorted(graph):
    if unit not in state:
        visit(unit, [unit])
print("\n".join(faults))
sys.exit(1 if faults else 0)
