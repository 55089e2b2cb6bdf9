# Reads the program's windows through AT-SPI as a screen reader does, and fails naming what is
# missing: every control reached with Tab has a name that is not its value, the windows' controls
# have their names, and a message box's text can be read.
import subprocess, sys, time

import pyatspi as at

def wait_for(what, find):
    for _ in range(100):
        if found := find():
            return found
        time.sleep(0.1)
    sys.exit(f"{what}: not on the accessibility bus after 10 s")


def under(node):
    for child in filter(None, node):
        yield child
        yield from under(child)


def shown(node, *states):
    return all(node.getState().contains(s) for s in (at.STATE_SHOWING, *states))


def window(name):
    app = next((a for a in filter(None, at.Registry.getDesktop(0)) if a.name == "vrel-fileprint"), [])
    return next((w for w in filter(None, app) if w.name == name and shown(w)), None)


def find(win, role, name):
    return next(n for n in under(win) if n.getRoleName() == role and n.name == name)


# What a control holds: its text, its editor's, the items chosen in its list.
def values(node):
    held = {n.queryText().getText(0, -1) for n in [node, *under(node)] if "Text" in n.get_interfaces()}
    return held - {""} | {n.name for n in under(node) if n.getState().contains(at.STATE_SELECTED)}


# Expected: "role/name" of each control of the roles named there.
def check_named(win, expected=()):
    for n in under(win):
        if shown(n, at.STATE_FOCUSABLE) and n.getRole() != at.ROLE_LIST_ITEM:
            assert n.name.strip() and n.name not in values(n), f"'{win.name}': a {n.getRoleName()} named '{n.name}' holds {values(n)}"
    roles = {e.split("/")[0] for e in expected}
    got = sorted(f"{n.getRoleName()}/{n.name}" for n in under(win) if shown(n) and n.getRoleName() in roles)
    assert got == sorted(expected), f"'{win.name}': missing {set(expected) - set(got)}, unexpected {set(got) - set(expected)}"


main = wait_for("the main window", lambda: window("VREL's File Print"))
check_named(main, ["combo box/印刷ファイルタイプ", "text/印刷ファイルタイプ", "combo box/ドライブ", "list/ディレクトリ", "list/ファイル",
                   "list/ファイル一覧", "radio button/TXT", "radio button/CSV", "push button/ファイル出力", "push button/印刷"])
labels = [r.getTarget(0).name for r in find(main, "combo box", "印刷ファイルタイプ").getRelationSet()
          if r.getRelationType() == at.RELATION_LABELLED_BY]
assert labels == ["印刷ファイルタイプ"], f"the pattern box is labelled by {labels}"

# The read-me window, opened from its menu item as a screen reader can. The swatches take no
# focus, so their names are checked here rather than with the controls'.
find(main, "menu item", "お読み下さい(R)").queryAction().doAction(0)
check_named(wait_for("the read-me window", lambda: window("お読み下さい")),
            ["list/説明文", "push button/印刷", "push button/閉じる"] + [f"label/表示色の見本 C{i}" for i in range(1, 5)])

# A blank pattern is refused with a box, which is read by its text.
# The caption's spaces and quote matched by dots, the command being split at spaces.
subprocess.run("xdotool search --sync --onlyvisible --name ^VREL.s.File.Print$ windowfocus --sync key --delay 50 ctrl+a space Return".split(),
               check=True, timeout=10)
box = wait_for("the blank pattern's box", lambda: window("VREL's FILEPRINT"))
said = {n.name for n in under(box)} | values(box)
assert "ファイル拡張子を決めて下さい" in said, f"the box offers {said}, not its text"
check_named(box)
print("ok")
