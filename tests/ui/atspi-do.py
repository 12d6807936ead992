#!/usr/bin/python3
"""Acts on a running program as a screen reader does, over AT-SPI (Debian's python3-pyatspi).

usage: atspi-do.py APP COMMAND ARGS...        APP: the application's accessible name
  windows                     how many of the application's windows are showing
  showing  IN                 "role|name" of every showing control in the window, one a line
  press    IN ROLE NAME       performs the control's Press action (a button, a link, a tab)
  set-text IN ROLE NAME TEXT  replaces the text of an editable text
  text     IN ROLE NAME       the text a control holds
  focused  IN                 "role|name" of the focused control in the window, "" for none
  about    IN ROLE NAME       "description|action,action,..." of the control

IN is "ROLE|NAME" of a control that shows in the wanted window and in no other showing window
(many windows share one title). ROLE and NAME then pick one showing control of that window.
Exit status 1 when nothing or more than one thing matches.
"""
import sys
import pyatspi


def is_showing(o):
    try:
        return o.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(o, depth=0):
    if o is None or depth > 40:
        return
    yield o
    for i in range(o.childCount):
        try:
            yield from walk(o.getChildAtIndex(i), depth + 1)
        except Exception:
            pass


def one(found, what):
    if len(found) != 1:
        sys.exit(f"{len(found)} matches for {what}")
    return found[0]


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    return one([a for a in apps if a is not None and a.name == name], f"application {name}")


def windows(app):
    return [w for w in (app.getChildAtIndex(i) for i in range(app.childCount)) if is_showing(w)]


def showing(window):
    return [o for o in walk(window) if o is not window and is_showing(o)]


def key(o):
    return f"{o.getRoleName()}|{o.name}"


def window_of(app, anchor):
    return one([w for w in windows(app) if anchor in map(key, showing(w))], f"a window with {anchor}")


def control(app, anchor, role, name):
    found = [o for o in showing(window_of(app, anchor)) if key(o) == f"{role}|{name}"]
    return one(found, f"{role}|{name} beside {anchor}")


def action_names(o):
    try:
        action = o.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def main(app_name, command, *args):
    app = application(app_name)
    if command == "windows":
        print(len(windows(app)))
    elif command == "showing":
        print("\n".join(key(o) for o in showing(window_of(app, args[0]))))
    elif command == "press":
        o = control(app, *args)
        index = one([i for i, n in enumerate(action_names(o)) if n.lower() == "press"],
                    f"a Press action among {action_names(o)}")
        if not o.queryAction().doAction(index):
            sys.exit("the action was refused")
    elif command == "set-text":
        if not control(app, *args[:3]).queryEditableText().setTextContents(args[3]):
            sys.exit("the text was refused")
    elif command == "text":
        text = control(app, *args).queryText()
        print(text.getText(0, text.characterCount))
    elif command == "focused":
        found = [o for o in walk(window_of(app, args[0]))
                 if o.getState().contains(pyatspi.STATE_FOCUSED)]
        print(key(found[0]) if found else "")
    elif command == "about":
        o = control(app, *args)
        print(f"{o.description}|{','.join(action_names(o))}")
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
