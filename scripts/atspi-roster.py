"""What a screen reader reads of the roster window (run by scripts/atspi-roster).

    atspi-roster.py read      the table, its headers and cells, the find field, the status
    atspi-roster.py compare   the comparison window's bars, radar outlines and attribute table
    atspi-roster.py duplicates  the table narrowed to one fighter's two files, each row headed by its reason
    atspi-roster.py merge     the merge dialog's fields, the differing ones said so
"""

import re
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print("atspi-roster: " + message, file=sys.stderr)
    sys.exit(1)


# A table lays its cells out anew as it fills, so an object met on the walk
# may be gone by the time it is asked: it is skipped, not taken for a failure.
def gone(error):
    return "No such object path" in str(error) or "Unknown object" in str(error)


def find(root, predicate, depth=0):
    if root is None or depth > 40:
        return None
    try:
        if predicate(root):
            return root
        children = [root.getChildAtIndex(i) for i in range(root.childCount)]
    except GLib.Error as error:
        if not gone(error):
            raise
        return None
    for child in children:
        found = find(child, predicate, depth + 1)
        if found is not None:
            return found
    return None


def find_all(root, predicate, found=None, depth=0):
    found = [] if found is None else found
    if root is None or depth > 40:
        return found
    try:
        if predicate(root):
            found.append(root)
        children = [root.getChildAtIndex(i) for i in range(root.childCount)]
    except GLib.Error as error:
        if not gone(error):
            raise
        return found
    for child in children:
        find_all(child, predicate, found, depth + 1)
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
    if headers[:2] != ["Archivo", "Nombre completo"] or headers[6] != "Suelo" or headers[12] != "Problema":
        fail("the headers are not the roster's")
    # Every field is a column, shown or not: the editor's labels head the attributes.
    if (headers[13:17] != ["Estatura", "Peso", "Fecha de nacimiento", "ID Sherdog"] or headers[17] != "Puños"
            or headers[-2] != "Suelo" or headers[-1] != "Avisos" or len(headers) != 36):
        fail("the field columns are not the roster's")
    first = [cells.getAccessibleAt(0, c).name for c in range(cells.nColumns)]
    print("row 1:", first)
    if first[0] != "ana-beltran-goni.txt" or first[6] != "78%" or not first[17].isdigit():
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


def duplicates():
    frame = window("Plantilla — samples")
    toggle = find(frame, lambda a: a.getRole() == pyatspi.ROLE_CHECK_BOX and a.name == "Solo duplicados")
    if toggle is None:
        fail("no duplicates toggle named Solo duplicados")
    table = find(frame, lambda a: a.getRole() == pyatspi.ROLE_TABLE)
    # The folder watch brings the new file in within a second or so.
    for _ in range(50):
        cells = table.queryTable()
        files = sorted(cells.getAccessibleAt(r, 0).name for r in range(cells.nRows))
        if files == ["lucas-ferreira.txt", "old/ferreira-2019.txt"]:
            break
        time.sleep(0.1)
    print("duplicates:", files)
    if files != ["lucas-ferreira.txt", "old/ferreira-2019.txt"]:
        fail("the duplicates view does not show the fighter's two files alone")
    reasons = [cells.getRowHeader(r).name for r in range(cells.nRows)]
    print("reasons:", reasons)
    if reasons != ["1: mismo ID de Sherdog 98322; mismo nombre y fecha de nacimiento 19/11/1989"] * 2:
        fail("the rows do not say why they are one fighter")


def merge():
    frame = window("Fusionar luchadores")
    table = find(frame, lambda a: a.getRole() == pyatspi.ROLE_TABLE and a.name == "Campos")
    if table is None:
        fail("no table of fields named Campos")
    cells = table.queryTable()
    rows = [[cells.getAccessibleAt(r, c).name for c in range(cells.nColumns)] for r in range(cells.nRows)]
    differing = [row for row in rows if row[1] == "difiere"]
    print("differing fields:", differing)
    if [row[0] for row in differing] != ["Nacionalidad"] or differing[0][2:] not in (["Brasil", "Portugal"], ["Portugal", "Brasil"]):
        fail("the differing field is not said so with both texts")
    # On this platform a list box reads as its current item and is named by the label beside it.
    keep = find(frame, lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX)
    labels = [] if keep is None else [
        relation.getTarget(t).name
        for relation in keep.getRelationSet()
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
        for t in range(relation.getNTargets())
    ]
    print(f"file kept: {keep.name if keep else None!r}, labelled {labels!r}")
    if keep is None or keep.name not in ("lucas-ferreira.txt", "old/ferreira-2019.txt") or "Conservar el archivo:" not in labels:
        fail("the choice of the file kept does not read as the file and its label")


{"read": read, "compare": compare, "duplicates": duplicates, "merge": merge}[sys.argv[1]]()
