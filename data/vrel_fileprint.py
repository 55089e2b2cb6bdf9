# GNOME Files: a menu item on one selected folder and on the open folder's background that starts
# the program on that folder.
from gi.repository import GLib, GObject, Nautilus

LABEL = 'VREL ファイル一覧印刷で一覧にする'


class FilePrintMenu(GObject.GObject, Nautilus.MenuProvider):
    def _items(self, name, folder):
        path = folder.get_location().get_path()
        # A folder on a remote location has no path the program could list.
        if path is None:
            return []
        item = Nautilus.MenuItem(name=name, label=LABEL)
        item.connect('activate', self._run, path)
        return [item]

    def _run(self, _item, path):
        GLib.spawn_async(['vrel-fileprint', path], flags=GLib.SpawnFlags.SEARCH_PATH)

    # Nautilus 43 dropped the window argument; what was clicked comes last either way.
    def get_file_items(self, *args):
        files = args[-1]
        if len(files) != 1 or not files[0].is_directory():
            return []
        return self._items('FilePrintMenu::Folder', files[0])

    def get_background_items(self, *args):
        return self._items('FilePrintMenu::Background', args[-1])
