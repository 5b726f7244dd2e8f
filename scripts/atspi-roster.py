"""What a screen reader reads of the roster window (run by scripts/atspi-roster).

    atspi-roster.py read      the table, its headers and cells, the find field, the status
    atspi-roster.py compare   the comparison window's bars, radar outlines and attribute table
"""

import re
import sys
import time

import pyatspi


def fail(message):
    print("atspi-roster: " + message, file=sys.stderr)
    sys.exit(1)


def find(root, predicate, depth=0):
    if root is None or depth > 40:
        return None
    if predicate(root):
        return root
    for i in range(root.childCount):
        found = find(root.getChildAtIndex(i), predicate, depth + 1)
        if found is not None:
            return found
    return None


def find_all(root, predicate, found=None, depth=0):
    found = [] if found is None else found
    if root is None or depth > 40:
        return found
    if predicate(root):
        found.append(root)
    for i in range(root.childCount):
        find_all(root.getChildAtIndex(i), predicate, found, depth + 1)
    return found


def window(title):
    # The bus needs a moment to list a window that has just opened.
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is None:
                continue
            for frame in app:
                if frame is not None and frame.name == title:
                    return frame
        time.sleep(0.1)
    fail(f"no window named {title!r} on the accessibility bus")


def read():
    frame = window("Plantilla — samples")
    table = find(frame, lambda a: a.getRole() == pyatspi.ROLE_TABLE)
    if table is None:
        fail("no table")
    print(f"table {table.name!r}")
    cells = table.queryTable()
    headers = [cells.getColumnHeader(c).name for c in range(cells.nColumns)]
    print("headers:", headers)
    if headers[:2] != ["Archivo", "Nombre completo"] or headers[6] != "Suelo" or headers[-1] != "Problema":
        fail("the headers are not the roster's")
    first = [cells.getAccessibleAt(0, c).name for c in range(cells.nColumns)]
    print("row 1:", first)
    if first[0] != "ana-beltran-goni.txt" or first[6] != "78%":
        fail("the first row does not read as the table shows it")
    broken = [cells.getAccessibleAt(r, 0) for r in range(cells.nRows)]
    damaged = next((c for c in broken if c.name == "old/rui-matos.txt"), None)
    if damaged is None or "Problema" not in damaged.description:
        fail("the damaged file's cell does not say it has a problem")
    print(f"damaged file: {damaged.name!r}, {damaged.description!r}")
    search = find(frame, lambda a: a.getRole() == pyatspi.ROLE_TEXT and a.name == "Buscar")
    if search is None:
        fail("no find field named Buscar")
    print(f"find field {search.name!r}")
    status = find(frame, lambda a: a.getRole() == pyatspi.ROLE_LABEL and "luchadores mostrados" in a.name)
    if status is None:
        fail("no status line")
    print(f"status {status.name!r}")


def compare():
    frame = window("Comparar luchadores")
    bars = [a.name for a in find_all(frame, lambda a: a.name.startswith(("Suelo ", "Global ")))]
    print("bars:", bars)
    if "Suelo 78%" not in bars or len(bars) != 4:
        fail("the comparison's bars do not read as drawn")
    # One outline per fighter, named with the values its bars show.
    outline = re.compile(r"^.+: Suelo (\d+)%, Golpeo \d+%, Defensa \d+%, Forma física \d+%, Mental \d+%, Global \d+%$")
    outlines = [a.name for a in find_all(frame, lambda a: outline.match(a.name or ""))]
    print("radar outlines:", outlines)
    if len(outlines) != 2 or not any(name.startswith("Ana Beltrán Goñi: Suelo 78%") for name in outlines):
        fail("the radar's outlines do not read as the fighters' ratings")
    table = find(frame, lambda a: a.getRole() == pyatspi.ROLE_TABLE)
    cells = table.queryTable()
    row = [cells.getAccessibleAt(0, c).name for c in range(cells.nColumns)]
    print(f"{cells.getRowHeader(0).name}:", row)
    if not any(name.endswith("el más alto") for name in row):
        fail("the highest value is not marked for a screen reader")


{"read": read, "compare": compare}[sys.argv[1]]()
