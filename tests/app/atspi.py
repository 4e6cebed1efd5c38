#!/usr/bin/python3
# Reads a running program's window as a screen reader does, over the accessibility bus, from
# outside the process.
#   atspi.py APP dump            every object under APP: its role, name and states, indented
#   atspi.py APP press NAME      presses the button called NAME
# Exits 1, saying what is missing, when APP, its window or the named object cannot be found.
import sys
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# Debian 12's bindings mark the action calls deprecated without offering their successors yet.
warnings.filterwarnings("ignore", category=DeprecationWarning)


def walk(node, depth=0):
    yield node, depth
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def fail(message):
    print(message)
    sys.exit(1)


def main(app_name, command, *args):
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    app = next((a for a in apps if a is not None and a.get_name() == app_name), None)
    if app is None:
        fail("no application %r on the accessibility bus" % app_name)
    nodes = list(walk(app))
    if not any(n.get_role() == Atspi.Role.FRAME for n, _ in nodes):
        fail("application %r has no window" % app_name)
    if command == "dump":
        for node, depth in nodes:
            states = node.get_state_set()
            flags = [s for s in ("showing", "focusable", "focused", "checked", "enabled") if states.contains(getattr(Atspi.StateType, s.upper()))]
            print("%s%s %r %s" % ("  " * depth, node.get_role_name(), node.get_name(), " ".join(flags)))
        return
    name = args[0]
    button = next((n for n, _ in nodes if n.get_role() == Atspi.Role.PUSH_BUTTON and n.get_name() == name), None)
    if button is None:
        fail("no button %r" % name)
    actions = button.get_action_iface()
    names = [actions.get_action_name(i) for i in range(actions.get_n_actions())]
    if "Press" not in names:
        fail("button %r has no Press action, only %r" % (name, names))
    print("pressed %r: %s" % (name, actions.do_action(names.index("Press"))))


if __name__ == "__main__":
    main(*sys.argv[1:])
