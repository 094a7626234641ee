#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader gets of the desktop program, through AT-SPI: the
track window's description tells the picture in words, follows a speed
change within three seconds, and speaks the user's language; the line of
announcements changes and says so with a text event.

Run inside a D-Bus session with an X display: AtspiTest.py PROGRAM
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version('Atspi', '2.0')
from gi.repository import Atspi, GLib  # noqa: E402

APP = 'io.github.relativitytrain.RelativityTrain'


def wait_for(find, seconds=10.0):
    """The first true answer of find() within the time, pumping AT-SPI events."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        found = find()
        if found:
            return found
        time.sleep(0.05)
    return None


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def descendants(node, depth=0):
    yield node
    if depth < 4:
        for child in children(node):
            yield from descendants(child, depth + 1)


def application():
    desktop = Atspi.get_desktop(0)
    return next((app for app in children(desktop) if app.get_name() == APP), None)


def window(app, title):
    return next((w for w in children(app) if w.get_name() == title), None)


def named(node, name, role=None):
    return next((n for n in descendants(node)
                 if n.get_name() == name and (role is None or n.get_role_name() == role)), None)


def press(node, name):
    """Presses a button as a screen reader's user does, once it is there."""
    button = wait_for(lambda: named(node, name, 'push button'), 5.0)
    assert button is not None, 'no button ' + name
    Atspi.Action.do_action(button, 0)


def run(program, language, titles, start, select, freeze_words, observer_words):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', LANGUAGE=language,
               LANG='en_US.UTF-8')
    process = subprocess.Popen([program], env=env)
    try:
        app = wait_for(application)
        assert app is not None, 'the program is not on the accessibility bus'
        control = wait_for(lambda: window(app, titles[0]))
        assert control is not None, 'no window ' + titles[0]
        press(control, start)
        press(control, select)
        track = wait_for(lambda: window(app, titles[1]))
        assert track is not None, 'no window ' + titles[1]
        first = wait_for(lambda: observer_words in (track.get_description() or '') and
                         track.get_description())
        assert first, track.get_description()
        print('%s: %s' % (language, first))

        line = wait_for(lambda: named(control, titles[2], 'text'))
        assert line is not None, 'no line of announcements'
        heard = []
        listener = Atspi.EventListener.new(
            lambda event: heard.append(Atspi.Text.get_text(event.source, 0, -1)
                                       if event.source.get_name() == titles[2] else None))
        listener.register('object:text-changed')

        for _ in range(3):
            press(control, 'v >')
            wait_for(lambda: False, 0.3)  # a user's pace
        changed = wait_for(lambda: (track.get_description() or '') != first and
                           'v = 3' in (track.get_description() or ''), 3.0)
        assert changed, 'the description did not follow the speed within 3 s: %s | %s' % (
            track.get_description(), heard)
        said = wait_for(lambda: any(h and 'v = 3' in h for h in heard), 4.0)
        assert said, 'no text event for the speed: %s' % heard
        press(control, freeze_words[0])
        frozen = wait_for(lambda: freeze_words[1] in (track.get_description() or ''), 3.0)
        assert frozen, track.get_description()
        print('%s, frozen: %s' % (language, track.get_description()))
        listener.deregister('object:text-changed')
    finally:
        process.kill()
        process.wait()


def main(program):
    run(program, 'en', ('Control Display', 'Track Display', 'Announcements'), 'Start', 'Select',
        ('Freeze', 'The picture is frozen.'), 'The observer stands')
    run(program, 'de', ('Steuerung', 'Bahnanzeige', 'Ansagen'), 'Start', 'Wählen',
        ('Standbild', 'Das Bild ist ein Standbild.'), 'Der Beobachter steht')
    print('AT-SPI: the description, its change and the announcements, in English and German')


if __name__ == '__main__':
    main(sys.argv[1])
