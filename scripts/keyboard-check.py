"""Uses the editor on a copy of the demo game by keyboard alone, as a screen reader user does: on a US and
on a Russian layout, reading the focus and the values through the accessibility tree (AT-SPI) and
listening for the announcements of changed values; then, started anew, it loads the hand-edited class
and reads the note of what the load left out. Run by keyboard-check.sh, under Xvfb and a session bus.
Usage: keyboard-check.py <editor> <game folder>"""
import os
import subprocess
import sys
import time

import pyatspi

editor, game = sys.argv[1], sys.argv[2]
VALUES = ('Points Available', 'Weight Consumed', 'Movement', 'Special')
failures = []


def application():
    for _ in range(50):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and 'rostermaker' in (app.name or '').lower():
                return app
        time.sleep(0.2)
    sys.exit('the editor is not in the accessibility tree')


def nodes(node):
    yield node
    for child in node:
        if child is not None:
            yield from nodes(child)


def reading():
    """The focused control and the value labels, as a screen reader reads them."""
    focus, values = 'nothing', {}
    for node in nodes(application()):
        role = node.getRoleName()
        if role == 'label' and node.name.split(':')[0] in VALUES and ': ' in node.name:
            values[node.name.split(':')[0]] = node.name.split(': ', 1)[1]
        elif node.getState().contains(pyatspi.STATE_FOCUSED) and role not in ('table cell', 'list item'):
            focus = described(node)
    return focus, values


def described(node):
    """A control as a screen reader names it: by the label it is labelled by, else by its own name, with
    its text; the text field of an editable combo box as the combo box."""
    if node.getRoleName() == 'text' and node.parent.getRoleName() == 'combo box':
        text, node = node.queryText().getText(0, -1), node.parent
    else:
        text = node.queryText().getText(0, -1) if 'Text' in pyatspi.listInterfaces(node) else ''
    name = node.name
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            name = relation.getTarget(0).name
    return '%s "%s"%s' % (node.getRoleName(), name, ' text "%s"' % text if text else '')


def keys(*names):
    subprocess.run(['xdotool', 'key', '--delay', '80', *names], check=True)
    time.sleep(0.5)


def typed(text):
    subprocess.run(['xdotool', 'type', '--delay', '60', text], check=True)
    time.sleep(0.5)


def expect(step, focus, points):
    shown_focus, values = reading()
    ok = shown_focus.startswith(focus) and values.get('Points Available') == points
    print('%-4s %-48s focus: %s; points %s, weight %s' % ('ok' if ok else 'FAIL', step, shown_focus,
                                                        values.get('Points Available'),
                                                        values.get('Weight Consumed')), flush=True)
    if not ok:
        failures.append(step)


subprocess.run(['setxkbmap', 'us'], check=True)
listener = subprocess.Popen([sys.executable, '-c', '''
import pyatspi
def heard(event):
    # The name the event carries: the label's name read now may be a later one on a busy machine.
    if event.source.getRoleName() == 'label':
        print(event.any_data if isinstance(event.any_data, str) else event.source.name, flush=True)
pyatspi.Registry.registerEventListener(heard, 'object:property-change:accessible-name')
print('listening', flush=True)
pyatspi.Registry.start()'''], stdout=subprocess.PIPE, text=True)
# The editor starts once the listener is registered: an editor that starts first learns of the listener
# only later, and changes in between go unannounced.
if listener.stdout.readline().strip() != 'listening':
    sys.exit('the announcement listener did not start')
program = subprocess.Popen([editor])
time.sleep(3)
# No window manager runs here: the window is given the input focus as a desktop would give it.
subprocess.run(['xdotool', 'search', '--sync', '--name', 'Halcyx Rostermaker', 'windowfocus', '--sync'],
               check=True)
expect('start', 'combo box "Name" text "<New Class>"', '30')
typed('Medic')
expect('type Medic', 'combo box "Name" text "Medic"', '30')
keys('Tab')
typed('Doc')
expect('Tab, type Doc', 'text "Callsign :" text "Doc"', '30')
keys(*['Tab'] * 9, 'Right', 'Right')
expect('Tab x9, Right x2', 'slider "Medic"', '27')
keys(*['Tab'] * 8, 'Down', 'Down', 'Return')
expect('Tab x8 to the grid, Down x2, Return', 'table', '25')
keys('End', 'Return')
expect('End, Return', 'table', '23')
keys('Tab', 'End', 'Delete')
expect('Tab to the list, End, Delete', 'list', '25')
keys('alt+s')
saved = os.path.join(game, 'tool', 'characters', 'Medic.cfg')
if not os.path.exists(saved) or b'set callsign "Doc"' not in open(saved, 'rb').read():
    failures.append('Alt+S saves Medic.cfg')
keys('shift+Tab', 'shift+Tab', 'shift+Tab', 'alt+a')
expect('Shift+Tab x3, Alt+A', 'combo box "Body"', '30')

subprocess.run(['setxkbmap', 'ru'], check=True)
keys('shift+Tab', 'shift+Tab', 'shift+Tab', 'Right', 'Right')
expect('Russian: Shift+Tab x3, Right x2', 'slider "Strength"', '27')
keys('alt+Cyrillic_ef')
expect('Russian: Alt + the key of A and Ef', 'slider "Strength"', '30')
keys('alt+Cyrillic_es')
try:
    program.wait(timeout=5)
    print('ok   Russian: Alt + the key of C and Es ends the program')
except subprocess.TimeoutExpired:
    program.kill()
    failures.append('Alt + the key of C and Es')


def load_note():
    for node in nodes(application()):
        if node.getRoleName() == 'label' and node.name.startswith('Load note:'):
            return node.name, node.description
    return None, None


# Started anew, the hand-edited class loaded from the class list by keys: the window's foot tells what the
# load left out, with every line in its description, until Alt+A.
program = subprocess.Popen([editor])
time.sleep(3)
subprocess.run(['xdotool', 'search', '--sync', '--name', 'Halcyx Rostermaker', 'windowfocus', '--sync'],
               check=True)
keys('Down', 'Down', 'Down', 'Down', 'Return')
name, description = load_note()
ok = (name or '').startswith('Load note: Scout.cfg was not loaded as written: line 6') and \
    'line 13: item "m203" is not in the weapons file' in (description or '')
print('%-4s %-48s %s' % ('ok' if ok else 'FAIL', 'Scout picked: the load note', name), flush=True)
if not ok:
    failures.append('the load note of Scout.cfg')
keys('alt+a')
name, _ = load_note()
print('%-4s %-48s %s' % ('ok' if name == 'Load note:' else 'FAIL', 'Alt+A clears the note', name), flush=True)
if name != 'Load note:':
    failures.append('Alt+A clears the load note')
keys('Escape')
program.wait(timeout=5)

listener.terminate()
heard = listener.communicate()[0].splitlines()
for value in ('Points Available: 23', 'Weight Consumed: 7.42 kg', 'Points Available: 30',
              'Load note: Scout.cfg was not loaded as written: line 6, the level is not a digit from 0 to 4: '
              '5 to 9 are read as 4, anything else as 0 (1 more)'):
    print('%-4s announced: %s' % ('ok' if value in heard else 'FAIL', value))
    if value not in heard:
        failures.append('announced ' + value)
sys.exit('failed: ' + ', '.join(failures) if failures else 0)
