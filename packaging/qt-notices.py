"""Writes the licences and notices that the portable Linux folder carries for the Qt linked into its
programs (scripts/linux-portable.sh runs it once, beside the Qt it builds).

Usage: qt-notices.py <qtbase source> <Debian source version> <Qt's config.summary> <output folder>

Output: Qt.txt (what is linked in, under which licence, where its source is and how to relink), Qt's
licence texts (LGPL-3.0-only.txt and GPL-3.0-only.txt, which the LGPL builds on), Qt-configuration.txt
(Qt's own summary of how it was configured) and Third-party.txt: the notices of the code that Qt carries
and of the X libraries linked in from Debian."""
import json
import os
import re
import shutil
import sys

source, version, summary, output = sys.argv[1:5]

# Qt's bundled code that the folder's programs do not contain: modules and platforms not built, and the
# libraries taken from the system (FreeType) or left out (libjpeg).
UNUSED = re.compile(r'/(network|sql|xml|printsupport|concurrent|opengl|openglwidgets|testlib|tools|android|'
                    r'wasm|vulkan|ios|darwin|cocoa|windows|winrt|qnx|eglfs|linuxfb|vnc|directfb|vkkhrdisplay|'
                    r'VulkanMemoryAllocator|libjpeg|libpsl|gradle|freetype|corelib/kernel)(/|$)')

# Debian's static X libraries linked into the editor, by their Debian package.
X_PACKAGES = ['libx11-xcb1', 'libxcb-icccm4', 'libxcb-image0', 'libxcb-keysyms1', 'libxcb-render-util0',
              'libxcb-util1', 'libxcb-randr0', 'libxcb-render0', 'libxcb-shape0', 'libxcb-shm0', 'libxcb-sync1',
              'libxcb-xfixes0']


def attributions():
    for folder, _, files in sorted(os.walk(os.path.join(source, 'src'))):
        if 'qt_attribution.json' not in files or UNUSED.search(folder[len(source):]):
            continue
        with open(os.path.join(folder, 'qt_attribution.json'), encoding='utf-8') as file:
            entries = json.loads(file.read(), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            yield folder, entry


def licence_texts(folder, entry):
    names = entry.get('LicenseFiles') or [entry.get('LicenseFile')]
    for name in filter(None, names):
        with open(os.path.join(folder, name), encoding='utf-8', errors='replace') as file:
            yield file.read().strip()


os.makedirs(output, exist_ok=True)
for name in ('LGPL-3.0-only.txt', 'GPL-3.0-only.txt'):
    shutil.copy(os.path.join(source, 'LICENSES', name), os.path.join(output, name))
shutil.copy(summary, os.path.join(output, 'Qt-configuration.txt'))

with open(os.path.join(output, 'Qt.txt'), 'w', encoding='utf-8') as notice:
    notice.write(f'''Qt in the portable Rostermaker folder

The editor (rostermaker) and the checker (rostermaker-check) contain parts of Qt
6.4.2 (qtbase: Qt Core, Gui, Widgets, D-Bus and the X11 platform), linked
statically. Qt is (c) The Qt Company Ltd. and other contributors, and is used
here under the GNU Lesser General Public License version 3 (LGPL-3.0-only.txt),
which adds its permissions to the GNU General Public License version 3
(GPL-3.0-only.txt). Qt comes with no warranty.

Qt's source: Debian's source package qt6-base {version}, unchanged:
    apt-get source qt6-base={version}
or https://snapshot.debian.org/package/qt6-base/{version.replace('+', '%2B')}/
It was configured and built by scripts/linux-portable.sh of Rostermaker's
source; Qt-configuration.txt is Qt's own summary of that configuration.

To run the programs with a Qt of your own, modified or not, build Rostermaker's
source with it (docs/building.md there): the programs are linked from that
source and Qt alone. The code that Qt carries from others and the X libraries
linked in are listed with their notices in Third-party.txt.
''')

with open(os.path.join(output, 'Third-party.txt'), 'w', encoding='utf-8') as third_party:
    third_party.write('Code that Qt carries from others, and libraries linked in with Qt\n')
    for folder, entry in attributions():
        third_party.write('\n' + '=' * 78 + '\n')
        third_party.write(f"{entry.get('Name')} {entry.get('Version', '')}".strip() + '\n')
        third_party.write(f"{entry.get('QtUsage', '').strip()}\n")
        third_party.write(f"License: {entry.get('License')}\n{entry.get('Copyright', '').strip()}\n\n")
        for text in licence_texts(folder, entry):
            third_party.write(text + '\n')
    for package in X_PACKAGES:
        third_party.write('\n' + '=' * 78 + '\n')
        third_party.write(f'{package} (Debian), linked into the editor\n\n')
        with open(f'/usr/share/doc/{package}/copyright', encoding='utf-8', errors='replace') as file:
            third_party.write(file.read().strip() + '\n')
