#!/usr/bin/env python3
"""Fails when an #include or a target_link_libraries points upward in the layer table of
README.md, or when folders of one layer include each other in a cycle.

Usage: scripts/check-layers.py [REPO]"""
import os
import re
import sys

root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..'))


def layer_table():
    """{folder: (rank, name)} from the README's "## Layers" table: | 3 component | `core/` |."""
    text = open(os.path.join(root, 'README.md'), encoding='utf-8').read()
    section = text.split('## Layers', 1)[1].split('\n## ', 1)[0]
    table = {}
    for row in section.splitlines():
        m = re.match(r'\|\s*(\d+)\s+([^|]+?)\s*\|([^|]+)\|', row)
        if not m:
            continue
        for folder in re.findall(r'`([^`]+)/`', m.group(3)):
            table[folder] = (int(m.group(1)), m.group(2))
    if not table:
        sys.exit('check-layers: no layer table under "## Layers" in README.md')
    return table


LAYERS = layer_table()


def folder_of(path):
    """The longest folder of the table that holds `path` (relative to the repository)."""
    best = None
    for folder in LAYERS:
        if path == folder or path.startswith(folder + '/'):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def sources():
    for folder in sorted(LAYERS):
        for dirpath, dirnames, files in os.walk(os.path.join(root, folder)):
            dirnames[:] = [d for d in dirnames if not d.startswith('build')]
            for f in files:
                yield os.path.relpath(os.path.join(dirpath, f), root)


def resolve(including, target):
    for candidate in (target, os.path.normpath(os.path.join(os.path.dirname(including), target))):
        if os.path.exists(os.path.join(root, candidate)):
            return candidate
    return None  # a Qt, system or generated header


problems = []
edges = {}  # folder -> folders of the same layer it includes
for path in sources():
    if not path.endswith(('.h', '.cpp')):
        continue
    source = folder_of(path)
    for n, line in enumerate(open(os.path.join(root, path), encoding='utf-8'), 1):
        m = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
        if not m:
            continue
        target_path = resolve(path, m.group(1))
        target = target_path and folder_of(target_path)
        if not target or target == source:
            continue
        if LAYERS[target][0] > LAYERS[source][0]:
            problems.append(f'{path}:{n}: includes {m.group(1)} ({LAYERS[target][1]}, above {LAYERS[source][1]})')
        elif LAYERS[target][0] == LAYERS[source][0]:
            edges.setdefault(source, set()).add(target)

# Libraries: where each target is defined, and what it links.
defined, links = {}, []
for path in sources():
    if os.path.basename(path) != 'CMakeLists.txt':
        continue
    text = re.sub(r'#.*', '', open(os.path.join(root, path), encoding='utf-8').read())
    folder = folder_of(path)
    for m in re.finditer(r'add_(?:library|executable)\(\s*([\w-]+)', text):
        defined[m.group(1)] = folder
    for m in re.finditer(r'target_link_libraries\(\s*([\w-]+)([^)]*)\)', text):
        links.append((path, m.group(1), m.group(2).split()))
for path, target, deps in links:
    source = defined.get(target)
    for dep in deps:
        folder = defined.get(dep)
        if source and folder and LAYERS[folder][0] > LAYERS[source][0]:
            problems.append(f'{path}: {target} links {dep} ({LAYERS[folder][1]}, above {LAYERS[source][1]})')
        elif source and folder and folder != source and LAYERS[folder][0] == LAYERS[source][0]:
            edges.setdefault(source, set()).add(folder)


def cycle_from(start):
    stack = [(start, [start])]
    while stack:
        node, trail = stack.pop()
        for nxt in edges.get(node, ()):
            if nxt == start:
                return trail + [start]
            if nxt not in trail:
                stack.append((nxt, trail + [nxt]))
    return None


for folder in sorted(edges):
    cycle = cycle_from(folder)
    if cycle and cycle[0] == min(cycle[:-1]):
        problems.append('cycle between folders of one layer: ' + ' -> '.join(cycle))

for p in problems:
    print(p)
if problems:
    sys.exit(f'check-layers: {len(problems)} dependencies against the layer table of README.md')
print(f'check-layers: {len(LAYERS)} folders, every dependency points down the layer table')
