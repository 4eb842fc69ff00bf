#!/usr/bin/env python3
"""A pointer for a headless GNOME Shell through Mutter's RemoteDesktop D-Bus API
(no screen cast, so absolute positions are made from relative moves: first far
to the top left corner, where the pointer stops at 0,0, then to the target).

usage: mutterpointer.py FIFO
Reads commands, one a line:
  move X Y          to X,Y by way of the top left corner (exact, but crosses the screen)
  goto X Y          to X,Y from the last position (no detour, so no hover on the way)
  click left|right  press and release
  quit
"""
import os, sys, time
import dbus

BTN = {"left": 0x110, "right": 0x111, "middle": 0x112}


def main():
    fifo = sys.argv[1]
    bus = dbus.SessionBus()
    rd = bus.get_object("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop")
    path = dbus.Interface(rd, "org.gnome.Mutter.RemoteDesktop").CreateSession()
    session = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", path),
                             "org.gnome.Mutter.RemoteDesktop.Session")
    session.Start()
    print("remote desktop session", path, flush=True)
    last = [0.0, 0.0]
    if not os.path.exists(fifo):
        os.mkfifo(fifo)
    while True:
        with open(fifo) as commands:
            for line in commands:
                words = line.split()
                if not words:
                    continue
                if words[0] == "quit":
                    session.Stop()
                    return
                if words[0] == "goto":  # relative from the last known position, no detour via 0,0
                    x, y = float(words[1]), float(words[2])
                    dx, dy = x - last[0], y - last[1]
                    steps = 20
                    for _ in range(steps):
                        session.NotifyPointerMotionRelative(dbus.Double(dx / steps), dbus.Double(dy / steps))
                        time.sleep(0.02)
                    last[:] = [x, y]
                elif words[0] == "move":
                    for _ in range(4):
                        session.NotifyPointerMotionRelative(dbus.Double(-2000), dbus.Double(-2000))
                        time.sleep(0.03)
                    x, y = float(words[1]), float(words[2])
                    steps = 20
                    for _ in range(steps):
                        session.NotifyPointerMotionRelative(dbus.Double(x / steps), dbus.Double(y / steps))
                        time.sleep(0.02)
                    last[:] = [x, y]
                elif words[0] == "click":
                    session.NotifyPointerButton(dbus.Int32(BTN[words[1]]), True)
                    time.sleep(0.08)
                    session.NotifyPointerButton(dbus.Int32(BTN[words[1]]), False)
                print("done:", line.strip(), flush=True)


if __name__ == "__main__":
    main()
