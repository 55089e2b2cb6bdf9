"""Reads the program's windows through AT-SPI as a screen reader does, and fails naming what is
missing: every control that takes the focus has a name that is not its value, the main window's
controls have their names, and a message box's text can be read."""
import subprocess
import sys
import time

import pyatspi

MAIN = "VREL's File Print"
MAIN_NAMES = sorted([
    ("combo box", "印刷ファイルタイプ"), ("text", "印刷ファイルタイプ"), ("combo box", "ドライブ"),
    ("list", "ディレクトリ"), ("list", "ファイル"), ("list", "ファイル一覧"),
    ("radio button", "TXT"), ("radio button", "CSV"),
    ("push button", "ファイル出力"), ("push button", "印刷"),
])
README_NAMES = sorted([
    ("list", "説明文"), ("label", "表示色の見本 C1"), ("label", "表示色の見本 C2"),
    ("label", "表示色の見本 C3"), ("label", "表示色の見本 C4"),
    ("push button", "印刷"), ("push button", "閉じる"),
])


def fail(message):
    sys.exit(f"FAIL: {message}")


def wait_for(what, find, seconds=10):
    for _ in range(seconds * 10):
        found = find()
        if found:
            return found
        time.sleep(0.1)
    fail(f"{what} never appeared on the accessibility bus")


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in desktop if a is not None and a.name == "vrel-fileprint"), None)


def window(app, name):
    return next((w for w in app if w is not None and w.name == name and w.getState().contains(pyatspi.STATE_SHOWING)), None)


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def values(node):
    """What a control holds: its text, its editor's text, the items chosen in its list."""
    held = {text_of(node)}
    for part in descendants(node):
        held.add(text_of(part))
        try:
            chosen = part.querySelection()
            held.update(chosen.getSelectedChild(i).name for i in range(chosen.nSelectedChildren))
        except NotImplementedError:
            pass
    return held - {None, ""}


def controls(win):
    """The controls a person reaches with Tab; the items inside a list are read as items."""
    return [n for n in descendants(win)
            if n.getState().contains(pyatspi.STATE_FOCUSABLE) and n.getState().contains(pyatspi.STATE_SHOWING)
            and n.getRole() != pyatspi.ROLE_LIST_ITEM]


def check_named(win):
    for n in controls(win):
        if not n.name.strip():
            fail(f"a {n.getRoleName()} in '{win.name}' has no name")
        if n.name in values(n):
            fail(f"the {n.getRoleName()} '{n.name}' in '{win.name}' is named by its value")


def names(win, roles):
    return sorted((n.getRoleName(), n.name) for n in descendants(win)
                  if n.getRoleName() in roles and n.getState().contains(pyatspi.STATE_SHOWING))


def expect_names(win, expected):
    got = names(win, {role for role, _ in expected})
    if got != expected:
        fail(f"'{win.name}': missing {sorted(set(expected) - set(got))}, unexpected {sorted(set(got) - set(expected))}")


def press(win, role, name):
    target = next((n for n in descendants(win) if n.getRoleName() == role and n.name == name), None)
    if target is None:
        fail(f"no {role} '{name}' in '{win.name}'")
    target.queryAction().doAction(0)


app = wait_for("the program", program)
main = wait_for("the main window", lambda: window(app, MAIN))
check_named(main)
expect_names(main, MAIN_NAMES)
pattern = next(n for n in descendants(main) if n.getRoleName() == "combo box" and n.name == "印刷ファイルタイプ")
labels = [t.name for r in pattern.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
          for t in (r.getTarget(i) for i in range(r.getNTargets()))]
if labels != ["印刷ファイルタイプ"]:
    fail(f"the pattern box is labelled by {labels}, not by the label beside it")

# A blank pattern is refused with a box, which is read by its text.
xid = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{MAIN}$"],
                     capture_output=True, text=True, timeout=10).stdout.split()[0]
subprocess.run(["xdotool", "windowfocus", "--sync", xid, "key", "--delay", "50", "ctrl+a", "space", "Return"],
               check=True, timeout=10)
box = wait_for("the box refusing a blank pattern", lambda: window(app, "VREL's FILEPRINT"))
said = [n.name for n in descendants(box)] + [text_of(n) for n in descendants(box)]
if "ファイル拡張子を決めて下さい" not in said:
    fail(f"the box's text cannot be read; it offers {said}")
check_named(box)
press(box, "push button", "キャンセル")
wait_for("the box closing", lambda: window(app, "VREL's FILEPRINT") is None)

# The read-me window, opened from its menu item as a screen reader can.
press(main, "menu item", "お読み下さい(R)")
readme = wait_for("the read-me window", lambda: window(app, "お読み下さい"))
check_named(readme)
expect_names(readme, README_NAMES)
print("ok - both windows and a message box read through AT-SPI")
