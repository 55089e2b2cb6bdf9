# Reads the program's windows through AT-SPI as a screen reader does, and fails naming what is
# missing: every control reached with Tab has a name that is not its value, the windows' controls
# have their names, and a message box's text can be read.
import subprocess, sys, time

import pyatspi

MAIN = "VREL's File Print"
MAIN_NAMES = [("combo box", "印刷ファイルタイプ"), ("text", "印刷ファイルタイプ"), ("combo box", "ドライブ"),
              ("list", "ディレクトリ"), ("list", "ファイル"), ("list", "ファイル一覧"), ("radio button", "TXT"),
              ("radio button", "CSV"), ("push button", "ファイル出力"), ("push button", "印刷")]
# The swatches take no focus, so their names are checked here rather than with the controls'.
README_NAMES = [("list", "説明文"), ("push button", "印刷"), ("push button", "閉じる")] + [("label", f"表示色の見本 C{i}") for i in range(1, 5)]


def fail(message):
    sys.exit(f"FAIL: {message}")


def wait_for(what, find):
    for _ in range(100):
        if found := find():
            return found
        time.sleep(0.1)
    fail(f"{what}: not seen on the accessibility bus within 10 s")


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def shown(node, *states):
    return all(node.getState().contains(s) for s in (pyatspi.STATE_SHOWING, *states))


def window(name):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "vrel-fileprint"), [])
    return next((w for w in app if w is not None and w.name == name and shown(w)), None)


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def values(node):  # what a control holds: its text, its editor's, the items chosen in its list
    held = {text_of(node)}
    for part in descendants(node):
        held.add(text_of(part))
        try:
            chosen = part.querySelection()
            held.update(chosen.getSelectedChild(i).name for i in range(chosen.nSelectedChildren))
        except NotImplementedError:
            pass
    return held - {None, ""}


def check_named(win, expected=None):
    for n in descendants(win):
        if shown(n, pyatspi.STATE_FOCUSABLE) and n.getRole() != pyatspi.ROLE_LIST_ITEM:
            if not n.name.strip() or n.name in values(n):
                fail(f"a {n.getRoleName()} in '{win.name}' is named '{n.name}', holding {values(n)}")
    if expected:
        got = sorted((n.getRoleName(), n.name) for n in descendants(win)
                     if shown(n) and n.getRoleName() in {role for role, _ in expected})
        if got != sorted(expected):
            fail(f"'{win.name}': missing {set(expected) - set(got)}, unexpected {set(got) - set(expected)}")


main = wait_for("the main window", lambda: window(MAIN))
check_named(main, MAIN_NAMES)
pattern = next(n for n in descendants(main) if n.getRoleName() == "combo box" and n.name == "印刷ファイルタイプ")
labels = [r.getTarget(0).name for r in pattern.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
if labels != ["印刷ファイルタイプ"]:
    fail(f"the pattern box is labelled by {labels}, not by the label beside it")

# The read-me window, opened from its menu item as a screen reader can.
item = next((n for n in descendants(main) if n.getRoleName() == "menu item" and n.name == "お読み下さい(R)"), None)
(item or fail("no menu item 'お読み下さい(R)' in the main window")).queryAction().doAction(0)
check_named(wait_for("the read-me window", lambda: window("お読み下さい")), README_NAMES)

# A blank pattern is refused with a box, which is read by its text.
subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{MAIN}$", "windowfocus", "--sync",
                "key", "--delay", "50", "ctrl+a", "space", "Return"], check=True, timeout=10)
box = wait_for("the box refusing a blank pattern", lambda: window("VREL's FILEPRINT"))
said = [n.name for n in descendants(box)] + [text_of(n) for n in descendants(box)]
if "ファイル拡張子を決めて下さい" not in said:
    fail(f"the box's text cannot be read; it offers {said}")
check_named(box)
print("ok - both windows and a message box read through AT-SPI")
