#!/usr/bin/python3
"""Compares what a screen reader reads of the program (atspi.py's tree) with a translation.

  translations.py text TS CONTEXT SOURCE     prints the translation of one text
  translations.py window TS TREE             the configuration window of that language
  translations.py colour QT_TS TREE          Qt's colour dialog, against Qt's own translation (lconvert's .ts)
  translations.py alert TS TREE              the Saturday alert, with the default message
The checks print one line for each step, tab-separated: PASS or FAIL, what, and why it failed.
A text left untranslated reads as its source, as Qt shows it.
"""
import re
import sys
import xml.etree.ElementTree as ET


def flat(text):
    return (text or "").replace("\r", "").replace("\n", "\\n")


def catalogue(path):
    """{(context, source): translation}, the texts flattened as atspi.py writes them."""
    out = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text if translation is not None and translation.text else source
            if translation is not None and translation.get("type") in ("obsolete", "vanished"):
                continue
            out[(name, flat(source))] = flat(text)
    return out


def read_tree(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines():
            cols = line.split("\t") + [""] * 7
            rows.append(dict(window=cols[0], role=cols[1], name=cols[2], description=cols[3], states=cols[4],
                             extents=cols[5], text=cols[6]))
    return rows


def step(ok, what, why=""):
    print("\t".join(("PASS" if ok else "FAIL", what, "" if ok else why)))


def no_amp(text):
    # Screen readers get a button's text without its mnemonic mark.
    return re.sub(r"&(.)", r"\1", text)


DAYS = ("Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday")
CAPTIONS = ("Input Times      ", "Work Today?") + DAYS + ("Display Options", "Message to display:", "Font Color",
                                                           "Background Color", "Hide", "Quit")


def window(ts, tree):
    cat = catalogue(ts)
    t = lambda s: cat.get(("MainWindow", s), s)
    title = t("Dorvane: Configuration")
    tree = read_tree(tree)
    # The program's one top-level frame, should its title be wrong.
    frames = [r["window"] for r in tree if r["role"] in ("frame", "window") and r["name"] == r["window"]]
    shown = title if title in frames else frames[0] if frames else None
    step(shown == title, f'its configuration window is titled "{title}"', f"its frames: {frames}")
    rows = [r for r in tree if r["window"] == shown]
    if not rows:
        return
    # Every text the window may say: its own, with each day's caption where a text names the day.
    allowed = {"Dorvane"}
    english = set()
    for (context, source), text in cat.items():
        if context != "MainWindow":
            continue
        for day in DAYS if "%1" in source else ("",):
            allowed.add(text.replace("%1", t(day)).strip())
            if text != source:
                english.add(source.replace("%1", day).strip())
    names = {r["name"].strip() for r in rows if r["name"].strip()}
    missing = [t(c).strip() for c in CAPTIONS if t(c).strip() not in names]
    step(not missing, f"its {len(CAPTIONS)} captions (frames, day names, labels, buttons) are the translation's",
         "missing: " + "; ".join(missing))
    foreign = sorted({f'{r["role"]} "{v}"' for r in rows for v in (r["name"].strip(), r["description"].strip())
                      if v and v not in allowed})
    left = sorted(v for v in names | {r["description"].strip() for r in rows} if v in english)
    step(not foreign and not left,
         f"each of the {len(rows)} objects' names and descriptions is a text of the translation",
         "not in it: " + "; ".join(foreign) + ("; English: " + "; ".join(left) if left else ""))


def colour(qt_ts, tree):
    cat = catalogue(qt_ts)
    title = cat[("QColorDialog", "Select Color")]
    rows = [r for r in read_tree(tree) if r["window"] == title]
    step(bool(rows), f'the colour dialog is Qt\'s, titled "{title}"', "no window of that name in the tree")
    buttons = [r["name"] for r in rows if r["role"] == "push button" and r["name"]]
    want = {no_amp(cat[(c, s)]) for c, s in (("QPlatformTheme", "OK"), ("QPlatformTheme", "Cancel"),
                                             ("QColorDialog", "&Pick Screen Color"),
                                             ("QColorDialog", "&Add to Custom Colors"))}
    step(want <= set(buttons), "its buttons are in Qt's translation: " + ", ".join(sorted(want)),
         "its buttons: " + ", ".join(buttons))


def pattern(template):
    """A composed message: the template's own words, anything where it has a variable."""
    parts = re.split(r"(%day%|%time%|%date%)", template)
    return "".join("(.+?)" if p in ("%day%", "%time%", "%date%") else re.escape(p) for p in parts)


def alert(ts, tree):
    cat = catalogue(ts)
    message = cat.get(("Messages", "Get ready for work because it is now %time% on %day%."))
    reminder = cat.get(("Messages", "Remember to input your new times for the week."))
    button = cat.get(("AlertWindow", "Ok... I'll get ready now"))
    rows = read_tree(tree)
    alerts = [r for r in rows if r["role"] == "alert"]
    if not alerts:
        step(False, "the alert at 7:05", "no object with the role alert")
        return
    name = alerts[0]["name"]
    # Saturday's: the message, a blank line, the reminder.
    body, _, last = name.rpartition("\\n\\n")
    found = re.fullmatch(pattern(message), body)
    # The day is the locale's name for it; the time keeps the locale's AM, which in some is "AM".
    step(bool(found) and "Saturday" not in body, f'its message is the default one of the translation: "{body}"',
         f'"{name}" is not "{message}" filled in, or it names the day in English')
    step(last == reminder, f'Saturday\'s reminder is the translation\'s: "{last}"', f'"{last}", not "{reminder}"')
    pressed = [r for r in rows if r["window"] == alerts[0]["window"] and r["role"] == "push button"]
    step(bool(pressed) and pressed[0]["name"] == button, f'its button reads "{button}"',
         "it reads " + ", ".join(f'"{r["name"]}"' for r in pressed))


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    what = sys.argv[1]
    if what == "text" and len(sys.argv) == 5:
        print(catalogue(sys.argv[2]).get((sys.argv[3], sys.argv[4]), sys.argv[4]))
    elif what in ("window", "colour", "alert") and len(sys.argv) == 4:
        globals()[what](sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
