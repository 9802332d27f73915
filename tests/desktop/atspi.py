#!/usr/bin/python3
"""Reads a running program's accessibility tree over AT-SPI, as a screen reader does.

  atspi.py APPLICATION [PID]
                         prints every object of the application (of that process, where several of that
                         name run), one a line, tab-separated:
                         top-level window's name, role, name, description, states, extents "x,y,w,h" on the
                         screen, text (of objects that have text)
States are those of focusable, focused, showing and active that hold, comma-separated. Line breaks in the
texts are written as \\n. Exits 2 when no application of that name is registered.
Run it with Debian's /usr/bin/python3, which has the pyatspi module, on the session bus of the program.
"""
import sys

import pyatspi

STATES = (("focusable", pyatspi.STATE_FOCUSABLE), ("focused", pyatspi.STATE_FOCUSED),
          ("showing", pyatspi.STATE_SHOWING), ("active", pyatspi.STATE_ACTIVE))


def flat(text):
    return (text or "").replace("\t", " ").replace("\r", "").replace("\n", "\\n")


def text_of(obj):
    try:
        return obj.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def extents_of(obj):
    try:
        box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return ""
    return f"{box.x},{box.y},{box.width},{box.height}"


def walk(obj, window, out):
    state = obj.getState()
    states = ",".join(word for word, s in STATES if state.contains(s))
    out.append("\t".join(flat(field) for field in (window, obj.getRoleName(), obj.name, obj.description, states,
                                                   extents_of(obj), text_of(obj))))
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            walk(child, window, out)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    pid = int(sys.argv[2]) if len(sys.argv) == 3 else None
    app = next((a for a in apps if a is not None and a.name == sys.argv[1]
                and (pid is None or a.get_process_id() == pid)), None)
    if app is None:
        sys.exit(2)
    out = []
    for i in range(app.childCount):
        top = app.getChildAtIndex(i)
        if top is not None:
            walk(top, top.name, out)
    print("\n".join(out))


if __name__ == "__main__":
    main()
