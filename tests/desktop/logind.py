#!/usr/bin/python3
"""Speaks for logind on the system bus that DBUS_SYSTEM_BUS_ADDRESS names, as a check's private one.

Owns org.freedesktop.login1, prints "ready", then reads commands from its standard input, one a line:
  sleep  emits PrepareForSleep(true), as logind does before the computer sleeps
  wake   emits PrepareForSleep(false), as logind does once it has woken
and prints "sent sleep" or "sent wake" once the bus has the signal. Ends at the end of its input.
Run it with Debian's /usr/bin/python3, which has the gi module.
"""
import sys

from gi.repository import Gio, GLib

NAME = "org.freedesktop.login1"


def main():
    bus = Gio.bus_get_sync(Gio.BusType.SYSTEM, None)
    # Synchronously, so that "ready" means a program connecting now finds the name owned, as at a login.
    reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "RequestName",
                          GLib.Variant("(su)", (NAME, 4)), GLib.VariantType("(u)"), Gio.DBusCallFlags.NONE, 5000,
                          None)
    if reply.unpack()[0] != 1:
        sys.exit(f"logind.py: could not own {NAME} (answer {reply.unpack()[0]})")
    print("ready", flush=True)
    for line in sys.stdin:
        word = line.strip()
        if word not in ("sleep", "wake"):
            continue
        bus.emit_signal(None, "/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep",
                        GLib.Variant("(b)", (word == "sleep",)))
        bus.flush_sync(None)
        print("sent " + word, flush=True)


if __name__ == "__main__":
    main()
