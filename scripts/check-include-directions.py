#!/usr/bin/env python3
"""Fails when a source file includes something its layer must not see.

The layers, lowest first: platform and the map format; the engine beside the editor's model and
compiler; the WAD import; the editor's display-free logic; the editor's windows and the tools. Qt
stays out of the model, the compiler, the WAD import, the wizard generators, the display-free logic
and the engine, and the
editor reaches the engine only through its exports, never its headers.

Usage: check-include-directions.py REPOSITORY_ROOT
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')

QT = ("Q", "qt")  # <QWidget>, <QtCore/...>, <qobject.h>

# (folder of the including file, what it must not include, why)
RULES = [
    ("platform/", ["editor/", "engine/", "tools/", "format/"], "the platform layer sits below everything"),
    ("format/", ["editor/", "engine/", "tools/", "platform/qt/"], "the map format knows no program"),
    ("engine/", ["editor/", "tools/"], "the engine links nothing of the editor"),
    ("engine/", ["platform/qt/"], "the engine draws through the platform's window services, not Qt"),
    ("editor/model/", ["editor/shell/", "editor/preview/", "editor/wizards/", "platform/qt/", "engine/"],
     "the model sits below the windows"),
    ("editor/bsp/", ["editor/shell/", "editor/preview/", "editor/wizards/", "platform/qt/", "engine/"],
     "the compiler sits below the windows"),
    ("editor/import/", ["editor/shell/", "editor/preview/", "editor/wizards/", "platform/qt/", "engine/"],
     "the WAD import sits below the windows"),
    ("editor/wizards/generators/", ["editor/wizards/logic/", "editor/shell/", "editor/preview/", "platform/qt/", "engine/"],
     "the generators sit below the windows"),
    ("editor/wizards/logic/", ["editor/shell/", "editor/preview/", "platform/qt/", "engine/"],
     "the wizards' logic is display-free and sits below the windows"),
    ("editor/check/", ["editor/shell/", "editor/preview/", "editor/wizards/", "platform/qt/", "engine/"],
     "the map checker sits below the windows"),
    ("editor/edit/", ["editor/shell/", "editor/preview/", "editor/wizards/", "platform/qt/", "engine/"],
     "the hand edits sit below the windows"),
    ("editor/shell/logic/", ["platform/qt/", "engine/"], "the windows' logic is display-free"),
    ("editor/preview/logic/", ["platform/qt/", "engine/"], "the preview's logic is display-free"),
    ("editor/", ["engine/"], "the editor binds the engine by its exports only"),
]

# The viewer program's entry runs the engine's window procedure in the Qt host; it is a program of
# its own, not part of the engine library.
EXEMPT = {"engine/viewer/viewer_program.cpp"}

# Folders whose files must not include Qt at all.
NO_QT = ["platform/", "format/", "engine/", "editor/model/", "editor/bsp/", "editor/import/", "editor/wizards/generators/",
         "editor/wizards/logic/", "editor/shell/logic/", "editor/preview/logic/", "editor/check/", "editor/document/",
         "editor/edit/"]
QT_ALLOWED = ["platform/qt/"]


def faults(root, path):
    relative = path.relative_to(root).as_posix()
    found = []
    if relative in EXEMPT:
        return found
    for number, line in enumerate(path.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        bracket, target = match.groups()
        where = f"{relative}:{number}: includes {target}"
        is_qt = bracket == "<" and target.startswith(QT)
        if is_qt and any(relative.startswith(f) for f in NO_QT) and not any(relative.startswith(f) for f in QT_ALLOWED):
            found.append(f"{where}: Qt stays out of {relative.rsplit('/', 1)[0]}/")
        for folder, forbidden, why in RULES:
            if not relative.startswith(folder):
                continue
            if folder == "platform/" and relative.startswith("platform/qt/") and target.startswith("platform/"):
                continue
            for bad in forbidden:
                if bracket == '"' and target.startswith(bad):
                    found.append(f"{where}: {why}")
    return found


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    root = pathlib.Path(sys.argv[1]).resolve()
    found = []
    for path in sorted(root.rglob("*")):
        if path.suffix not in (".h", ".cpp") or "build" in path.relative_to(root).parts[0]:
            continue
        found += faults(root, path)
    for fault in found:
        print(fault)
    if found:
        print(f"{len(found)} include(s) point the wrong way")
        return 1
    print("every include points the right way")
    return 0


if __name__ == "__main__":
    sys.exit(main())
