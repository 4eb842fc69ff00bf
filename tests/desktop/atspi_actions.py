#!/usr/bin/env python3
"""Acts on one of Pacewise's controls the way a screen reader (Orca) does:
over at-spi, from the accessibility bus, never with the pointer or keys.

usage: atspi_actions.py ACTION ROLE NAME
  e.g. atspi_actions.py Press "push button" "Refresh now"
       atspi_actions.py Toggle "check box" Caffeine
Waits up to 30 seconds for Pacewise to show a control of that role and
accessible name, enabled (a busy button is not, and a press on it would be
lost), then asks it for the action of that name. Exits 0 once at-spi took
the action; otherwise prints one line saying why and exits 1. What the
action did in the app is for the caller to check.
"""
import sys
import time

import pyatspi

APPLICATION = "Pacewise"
TIMEOUT_SECONDS = 30


def controls(role, name):
    """Pacewise's accessibles of that role and name, as at-spi sees them now."""
    for application in pyatspi.Registry.getDesktop(0):
        if application is None or application.name != APPLICATION:
            continue
        yield from pyatspi.findAllDescendants(
            application, lambda a: a is not None and a.getRoleName() == role and a.name == name)


def usable(control):
    # Qt tells at-spi of state changes; a fresh read keeps a state cached
    # before the panel settled from deciding.
    control.clearCache()
    states = control.getState()
    return all(states.contains(state) for state in (pyatspi.STATE_SHOWING, pyatspi.STATE_ENABLED, pyatspi.STATE_SENSITIVE))


def main():
    if len(sys.argv) != 4:
        print(__doc__.strip().splitlines()[3], file=sys.stderr)
        return 2
    action, role, name = sys.argv[1:]
    deadline = time.monotonic() + TIMEOUT_SECONDS
    seen_application = seen_control = False
    last_error = None
    while time.monotonic() < deadline:
        try:
            seen_application = seen_application or any(
                a is not None and a.name == APPLICATION for a in pyatspi.Registry.getDesktop(0))
            for control in controls(role, name):
                seen_control = True
                if not usable(control):
                    continue
                actions = control.queryAction()
                names = [actions.getName(i) for i in range(actions.nActions)]
                if action not in names:
                    print(f"the {role} '{name}' offers no {action} action (it offers {', '.join(names) or 'none'})")
                    return 1
                if not actions.doAction(names.index(action)):
                    print(f"at-spi refused {action} on the {role} '{name}'")
                    return 1
                print(f"{action} on the {role} '{name}' taken")
                return 0
        except Exception as error:  # the tree changes under us while the panel opens
            last_error = error
        time.sleep(0.1)
    if not seen_application:
        print(f"{APPLICATION} never appeared on the accessibility bus" + (f" ({last_error})" if last_error else ""))
    elif not seen_control:
        print(f"{APPLICATION} shows no {role} named '{name}' to a screen reader")
    else:
        print(f"the {role} '{name}' never became showing and enabled")
    return 1


if __name__ == "__main__":
    sys.exit(main())
