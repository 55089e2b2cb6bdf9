"""The command lines the file managers run from the package's folder menus (unpacked under ROOT)
for FOLDER: one line each, the menu's name then the words, quoted for the shell.

Dolphin and Nemo expand their Exec lines as their sources do. GNOME Files' extension is imported
under small stand-ins for GObject and Nautilus, and its menu items are activated."""
import configparser
import importlib.util
import shlex
import sys
import types
from pathlib import Path

root, folder = Path(sys.argv[1]), sys.argv[2]
share = root / 'usr/share'


def fail(message):
    sys.exit(f'{sys.argv[0]}: {message}')


def group(path, name, keys):
    """The key file's group, which must hold the keys its file manager cannot do without."""
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str
    parser.read(path, encoding='utf-8')
    missing = [key for key in keys if key not in parser[name]]
    if missing:
        fail(f'{path.name}: no {", ".join(missing)} in [{name}]')
    return parser[name]


[service] = (share / 'kio/servicemenus').glob('*.desktop')
entry = group(service, 'Desktop Entry', ['Type', 'MimeType', 'Actions'])
if 'inode/directory' not in entry['MimeType'].split(';'):
    fail('the service menu is not for folders')
for action in filter(None, entry['Actions'].split(';')):
    exec_line = group(service, f'Desktop Action {action}', ['Name', 'Name[ja]', 'Exec'])['Exec']
    # KIO puts the one local path in as a single word.
    print('dolphin', shlex.join(shlex.split(exec_line.replace('%f', shlex.quote(folder)))))

[nemo] = (share / 'nemo/actions').glob('*.nemo_action')
action = group(nemo, 'Nemo Action', ['Name', 'Exec', 'Selection', 'Extensions'])
if (action['Selection'], action['Extensions']) != ('s', 'dir;'):
    fail('the Nemo action is not for one folder')
# Nemo escapes double quotes in the path, adds the Quote= marks and parses the line as GLib does.
quote = {'double': '"', 'single': "'"}.get(action.get('Quote'), '')
path = quote + folder.replace('"', '\\"') + quote
print('nemo', shlex.join(shlex.split(action['Exec'].replace('%F', path))))

spawned = []


class MenuItem:
    def __init__(self, **properties):
        self.properties = properties

    def connect(self, signal, handler, *data):
        self.activate = lambda: handler(self, *data)


class FileInfo:
    def __init__(self, path, directory=True):
        self.path, self.directory = path, directory

    def is_directory(self):
        return self.directory

    def get_location(self):
        return types.SimpleNamespace(get_path=lambda: self.path)


gi = types.ModuleType('gi')
gi.repository = types.ModuleType('gi.repository')
gi.repository.GObject = types.SimpleNamespace(GObject=type('GObject', (), {}))
gi.repository.GLib = types.SimpleNamespace(SpawnFlags=types.SimpleNamespace(SEARCH_PATH=4),
                                           spawn_async=lambda argv, **_: spawned.append(argv))
gi.repository.Nautilus = types.SimpleNamespace(MenuProvider=type('MenuProvider', (), {}), MenuItem=MenuItem)
sys.modules.update({'gi': gi, 'gi.repository': gi.repository})
[extension] = (share / 'nautilus-python/extensions').glob('*.py')
spec = importlib.util.spec_from_file_location(extension.stem, extension)
module = importlib.util.module_from_spec(spec)
spec.loader.exec_module(module)
[provider] = [c() for c in vars(module).values() if isinstance(c, type) and issubclass(c, gi.repository.Nautilus.MenuProvider)]

# No item where the program would have nothing to list; the window argument of Nautilus 3 or none.
for files in ([FileInfo(folder), FileInfo(folder)], [FileInfo(folder, directory=False)], [FileInfo(None)]):
    if provider.get_file_items(files) or provider.get_file_items(None, files):
        fail(f'GNOME Files offers the menu on {len(files)} file(s), folder {files[0].directory}, path {files[0].path}')
for name, items in (('nautilus', provider.get_file_items([FileInfo(folder)])),
                    ('nautilus-background', provider.get_background_items(None, FileInfo(folder)))):
    [item] = items
    if not item.properties.get('label'):
        fail(f'{name}: a menu item without a label')
    item.activate()
    print(name, shlex.join(spawned.pop()))
