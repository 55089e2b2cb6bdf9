# The command lines the file managers run from the package's folder menus (unpacked under ROOT)
# for FOLDER: one line each, the menu's name then the words, quoted for the shell. Dolphin and
# Nemo expand their Exec lines as their sources do; GNOME Files' extension is imported under small
# stand-ins for GLib, GObject and Nautilus, and its menu items are activated.
import configparser, importlib.util, shlex, sys, types
from pathlib import Path

root, folder = Path(sys.argv[1]) / 'usr/share', sys.argv[2]


def group(pattern, name, keys):  # with the keys its file manager cannot do without
    [path] = root.glob(pattern)
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str
    parser.read(path, encoding='utf-8')
    if missing := [key for key in keys if key not in parser[name]]:
        sys.exit(f'{path.name}: no {missing} in [{name}]')
    return parser[name]


entry = group('kio/servicemenus/*.desktop', 'Desktop Entry', ['MimeType', 'Actions'])
assert 'inode/directory' in entry['MimeType'].split(';'), 'the service menu is not for folders'
for action in filter(None, entry['Actions'].split(';')):
    line = group('kio/servicemenus/*.desktop', f'Desktop Action {action}', ['Name', 'Name[ja]', 'Exec'])['Exec']
    print('dolphin', shlex.join(shlex.split(line.replace('%f', shlex.quote(folder)))))  # KIO: one word

action = group('nemo/actions/*.nemo_action', 'Nemo Action', ['Name', 'Exec', 'Selection', 'Extensions'])
assert (action['Selection'], action['Extensions']) == ('s', 'dir;'), 'the Nemo action is not for one folder'
# Nemo escapes double quotes in the path, adds the Quote= marks, and parses the line as GLib does.
quote = {'double': '"', 'single': "'"}.get(action.get('Quote'), '')
print('nemo', shlex.join(shlex.split(action['Exec'].replace('%F', quote + folder.replace('"', '\\"') + quote))))

ns, spawned = types.SimpleNamespace, []
Nautilus = ns(MenuProvider=type('MenuProvider', (), {}), MenuItem=type('MenuItem', (), {
    '__init__': lambda self, **properties: setattr(self, 'label', properties['label']),
    'connect': lambda self, _signal, run, *data: setattr(self, 'activate', lambda: run(self, *data))}))
gi = ns(repository=ns(Nautilus=Nautilus, GObject=ns(GObject=type('GObject', (), {})),
                      GLib=ns(SpawnFlags=ns(SEARCH_PATH=4), spawn_async=lambda argv, **_: spawned.append(argv))))
sys.modules.update({'gi': gi, 'gi.repository': gi.repository})
[extension] = root.glob('nautilus-python/extensions/*.py')
module = importlib.util.module_from_spec(importlib.util.spec_from_file_location(extension.stem, extension))
module.__spec__.loader.exec_module(module)
[provider] = [c() for c in vars(module).values() if isinstance(c, type) and issubclass(c, Nautilus.MenuProvider)]


def info(path, directory=True): return ns(is_directory=lambda: directory, get_location=lambda: ns(get_path=lambda: path))


# No item where there is nothing to list, with Nautilus 3's window argument or Nautilus 4's none.
for what, files in (('two folders', [info(folder)] * 2), ('a file', [info(folder, False)]), ('a remote folder', [info(None)])):
    assert not provider.get_file_items(files) and not provider.get_file_items(None, files), f'GNOME Files: a menu on {what}'
for name, [item] in (('nautilus', provider.get_file_items([info(folder)])),
                     ('nautilus-background', provider.get_background_items(None, info(folder)))):
    assert item.label, f'{name}: an item without a label'
    item.activate()
    print(name, shlex.join(spawned.pop()))
