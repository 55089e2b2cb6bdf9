# The file managers' folder menus of the package unpacked under ROOT, run for FOLDER: each is named
# as the others and starts the program on that one folder. Dolphin and Nemo expand their Exec lines
# as their sources do; GNOME Files' extension is run under small stand-ins for GLib, GObject and
# Nautilus, and its menu items are activated.
import configparser, glob, runpy, shlex, sys
from types import SimpleNamespace as ns

root, folder = sys.argv[1] + '/usr/share/', sys.argv[2]


def check(who, argv, name):
    assert name == 'VREL ファイル一覧印刷で一覧にする', f'{who} reads {name}'
    assert argv == ['vrel-fileprint', folder], f'{who} runs {argv}'


def ini(pattern):
    parser = configparser.RawConfigParser()
    parser.read(glob.glob(root + pattern), 'utf-8')
    return parser


kde = ini('kio/servicemenus/*.desktop')
entry = kde['Desktop Entry']
assert 'inode/directory' in entry['MimeType'].split(';'), 'KDE: not for folders'
for action in filter(None, entry['Actions'].split(';')):
    group = kde[f'Desktop Action {action}']
    # KIO quotes a folder as one word.
    check('dolphin', shlex.split(group['Exec'].replace('%f', shlex.quote(folder))), group['Name[ja]'])

nemo = ini('nemo/actions/*.nemo_action')['Nemo Action']
assert nemo['Selection'] == 's', 'Nemo: not for one item'
assert nemo['Extensions'] == 'dir;', 'Nemo: not for folders'
# Nemo escapes double quotes in the path, adds the Quote= marks, and parses the line as GLib does.
quote = {'double': '"', 'single': "'"}.get(nemo.get('Quote'), '')
check('nemo', shlex.split(nemo['Exec'].replace('%F', quote + folder.replace('"', '\\"') + quote)), nemo['Name[ja]'])


class Item:
    def __init__(self, name, label): self.label = label
    def connect(self, _signal, run, *data): self.activate = lambda: run(self, *data)


ran, Provider = [], type('Provider', (), {})
gi = ns(Nautilus=ns(MenuProvider=Provider, MenuItem=Item), GObject=ns(GObject=ns),
        GLib=ns(SpawnFlags=ns(SEARCH_PATH=4), spawn_async=lambda args, **_: ran.append(args)))
sys.modules.update({'gi': ns(repository=gi), 'gi.repository': gi})
runpy.run_path(*glob.glob(root + 'nautilus-python/extensions/*.py'))
[menu] = [c() for c in Provider.__subclasses__()]


def info(path, is_folder=True): return ns(is_directory=lambda: is_folder, get_location=lambda: ns(get_path=lambda: path))


# No item where there is nothing to list, with Nautilus 3's window argument or Nautilus 4's none.
one = info(folder)
for what, files in ('two folders', [one, one]), ('a file', [info(folder, False)]), ('a remote folder', [info(None)]):
    for args in [files], [None, files]:
        assert not menu.get_file_items(*args), f'nautilus: a menu on {what} ({len(args)} args)'
for name, [item] in ('nautilus', menu.get_file_items([one])), ('nautilus-background', menu.get_background_items(None, one)):
    item.activate()
    check(name, ran.pop(), item.label)
