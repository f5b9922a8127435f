#!/usr/bin/python3
"""The desktop program's tray icon on a real display, in two desktops.

1. Xvfb with a private session bus carrying a stand-in StatusNotifierWatcher
   and a stand-in notification service: the icon registers as a
   StatusNotifierItem, its tooltip names the next prayer that `tavorin next`
   names, its exported menu has today's times and its commands, and a start
   on the first city with TZ=America/Toronto offers Toronto in one
   notification whose "Use Toronto" action makes it the current city.
2. Xvfb with an XEmbed tray (trayer) and no watcher: the icon is embedded
   in the tray's panel, and the window starts hidden with --hidden.

Usage: tray_session_check.py HALVO_TAVORIN TAVORIN
Exits 77 (skipped) when Xvfb, dbus-daemon, trayer or python3-dbus is missing.
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77

try:
    import dbus
    import dbus.service
    from dbus.mainloop.glib import DBusGMainLoop
    from gi.repository import GLib
except ImportError as missing:
    print("skipped: %s" % missing)
    sys.exit(SKIP)

WATCHER = "org.kde.StatusNotifierWatcher"
NOTIFICATIONS = "org.freedesktop.Notifications"


class Watcher(dbus.service.Object):
    """Registers items as a desktop's panel would, and nothing more."""

    def __init__(self, bus):
        super().__init__(bus, "/StatusNotifierWatcher")
        self.items = []

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        self.items.append((sender, service))

    @dbus.service.method(WATCHER, in_signature="s")
    def RegisterStatusNotifierHost(self, service):
        pass

    # The toolkit reads the properties through their introspection.
    @dbus.service.method(dbus.INTROSPECTABLE_IFACE, out_signature="s")
    def Introspect(self):
        return """<node><interface name="%s">
          <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
          <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
          <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
          <property name="ProtocolVersion" type="i" access="read"/>
          <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
          <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
          <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
          <signal name="StatusNotifierHostRegistered"/>
        </interface></node>""" % WATCHER

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.GetAll(interface)[name]

    @dbus.service.method(dbus.PROPERTIES_IFACE, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {
            "IsStatusNotifierHostRegistered": dbus.Boolean(True),
            "ProtocolVersion": dbus.Int32(0),
            "RegisteredStatusNotifierItems": dbus.Array(
                [s for _, s in self.items], signature="s"),
        }


class Notifications(dbus.service.Object):
    def __init__(self, bus):
        super().__init__(bus, "/org/freedesktop/Notifications")
        self.shown = []

    @dbus.service.method(NOTIFICATIONS, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app, replaces, icon, summary, body, actions, hints, timeout):
        self.shown.append((str(summary), [str(a) for a in actions]))
        return dbus.UInt32(len(self.shown))

    @dbus.service.method(NOTIFICATIONS, in_signature="u")
    def CloseNotification(self, id):
        pass

    @dbus.service.method(NOTIFICATIONS, out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body"]

    @dbus.service.method(NOTIFICATIONS, out_signature="ssss")
    def GetServerInformation(self):
        return ("stand-in", "halvo", "1", "1.2")

    @dbus.service.signal(NOTIFICATIONS, signature="us")
    def ActionInvoked(self, id, key):
        pass


failures = []


def check(condition, what):
    print(("ok: " if condition else "FAILED: ") + what)
    if not condition:
        failures.append(what)


def start_xvfb():
    # A display number no other server holds, and its socket before use.
    for number in range(140, 240):
        if os.path.exists("/tmp/.X%d-lock" % number):
            continue
        xvfb = subprocess.Popen(["Xvfb", ":%d" % number, "-screen", "0", "800x600x24",
                                 "-nolisten", "tcp"], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        deadline = time.time() + 10
        while time.time() < deadline and xvfb.poll() is None:
            if os.path.exists("/tmp/.X11-unix/X%d" % number):
                return xvfb, ":%d" % number
            time.sleep(0.05)
        if xvfb.poll() is None:
            xvfb.terminate()
        xvfb.wait(10)
    raise RuntimeError("no Xvfb display could be started")


def start_bus():
    out = subprocess.check_output(["dbus-daemon", "--session", "--fork", "--print-address=1",
                                   "--print-pid=1"], text=True).split("\n")
    return out[0].strip(), int(out[1])


def end_session(bus_pid, xvfb, *programs):
    """Ends the programs in order, then the bus, then the display."""
    for program in programs:
        program.terminate()
        program.wait(10)
    os.kill(bus_pid, 15)
    xvfb.terminate()
    xvfb.wait(10)


def pump(seconds, until=lambda: False):
    context = GLib.MainContext.default()
    deadline = time.time() + seconds
    while time.time() < deadline and not until():
        context.iteration(False)
        time.sleep(0.02)


def fresh_env(folder, display, bus):
    env = dict(os.environ)
    for name in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DESKTOP_SESSION",
                 "XDG_CURRENT_DESKTOP", "HALVO_DATA_DIR"):
        env.pop(name, None)
    runtime = os.path.join(folder, "run")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env.update({"DISPLAY": display, "DBUS_SESSION_BUS_ADDRESS": bus,
                "XDG_DATA_HOME": os.path.join(folder, "data"),
                "XDG_CONFIG_HOME": os.path.join(folder, "config"),
                "XDG_RUNTIME_DIR": runtime, "QT_QPA_PLATFORM": "xcb",
                "TZ": "America/Toronto"})
    return env


def status_notifier_session(program, tavorin, folder):
    xvfb, display = start_xvfb()
    address, bus_pid = start_bus()
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
    DBusGMainLoop(set_as_default=True)
    bus = dbus.bus.BusConnection(address)
    watcher = Watcher(bus)
    notifications = Notifications(bus)
    bus.request_name(WATCHER)
    bus.request_name(NOTIFICATIONS)
    env = fresh_env(folder, display, address)
    log = open(os.path.join(folder, "program.log"), "w+")
    app = subprocess.Popen([program, "--hidden"], env=env, stdout=log, stderr=log)
    try:
        pump(20, lambda: watcher.items and notifications.shown)
        check(len(watcher.items) == 1, "the icon registers with the StatusNotifierWatcher")
        if not watcher.items:
            log.seek(0)
            print(log.read())
        if watcher.items:
            sender, service = watcher.items[0]
            path = service if service.startswith("/") else "/StatusNotifierItem"
            name = sender if service.startswith("/") else service
            item = bus.get_object(name, path)
            props = dbus.Interface(item, dbus.PROPERTIES_IFACE)
            tip = props.Get("org.kde.StatusNotifierItem", "ToolTip")
            tip_texts = " | ".join(str(part) for part in (tip[2], tip[3]))
            expected = subprocess.check_output(
                [tavorin, "next", "--format", "{name} {time}, in "], env=env, text=True).strip()
            check(expected in tip_texts or expected.rstrip(", in") in tip_texts,
                  "the tooltip %r names the next prayer %r" % (tip_texts, expected))
            menu_path = props.Get("org.kde.StatusNotifierItem", "Menu")
            menu = dbus.Interface(bus.get_object(name, menu_path), "com.canonical.dbusmenu")
            menu.AboutToShow(0)
            _, layout = menu.GetLayout(0, -1, ["label"])
            labels = [str(child[1].get("label", "")) for child in layout[2]]
            for wanted in ("Show window", "Start at login", "Quit"):
                check(any(label.replace("&", "") == wanted for label in labels),
                      "the menu has %r (%r)" % (wanted, labels))
            check(sum(1 for label in labels if label.startswith(
                ("Fajr", "Sunrise", "Zuhr", "Asr", "Maghrib", "Isha"))) == 6,
                "the menu lists the six times (%r)" % labels)

        hints = [shown for shown in notifications.shown if "time zone" in shown[0]]
        check(len(hints) == 1 and hints[0][0] ==
              "Prayer times are for Seattle, WA. Use Toronto (your time zone)?",
              "one first-start hint offers Toronto (%r)" % notifications.shown)
        if hints:
            check(hints[0][1] == ["use-city", "Use Toronto", "find-city", "Find City…"],
                  "the hint's actions (%r)" % hints[0][1])
            number = notifications.shown.index(hints[0]) + 1
            notifications.ActionInvoked(dbus.UInt32(number), "use-city")
            def stored():
                listed = subprocess.run([tavorin, "settings", "--json"], env=env, text=True,
                                        capture_output=True).stdout
                return {s["name"]: s["value"] for s in json.loads(listed or "[]")}.get("CityName")
            pump(10, lambda: stored() == "Toronto")
            check(stored() == "Toronto", "Use Toronto makes it the current city")
    finally:
        end_session(bus_pid, xvfb, app)

    # Never again: the next start on the same data sends no hint.
    xvfb, display = start_xvfb()
    address, bus_pid = start_bus()
    bus = dbus.bus.BusConnection(address)
    notifications = Notifications(bus)
    bus.request_name(NOTIFICATIONS)
    env = fresh_env(folder, display, address)
    subprocess.run([tavorin, "settings", "set", "CityName", "Seattle, WA"], env=env,
                   stdout=subprocess.DEVNULL, check=True)
    app = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    try:
        pump(6)
        check(not notifications.shown, "no hint once it was answered (%r)" % notifications.shown)
    finally:
        end_session(bus_pid, xvfb, app)


def xembed_session(program, folder):
    xvfb, display = start_xvfb()
    address, bus_pid = start_bus()
    env = fresh_env(folder, display, address)
    tray = subprocess.Popen(["trayer", "--edge", "top", "--align", "right", "--widthtype",
                             "request", "--height", "32"], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.5)
    app = subprocess.Popen([program, "--hidden"], env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    try:
        embedded = False
        tree = ""
        deadline = time.time() + 20
        while time.time() < deadline and not embedded:
            time.sleep(0.5)
            tree = subprocess.run(["xwininfo", "-root", "-tree"], env=env, text=True,
                                  capture_output=True).stdout
            # The icon's window hangs below trayer's panel.
            lines = tree.splitlines()
            for i, line in enumerate(lines):
                if '"panel"' in line and "trayer" in line:
                    depth = len(line) - len(line.lstrip())
                    for child in lines[i + 1:]:
                        if len(child) - len(child.lstrip()) <= depth:
                            break
                        if '"Halvo Tavorin"' in child:
                            embedded = True
        check(embedded, "the icon is embedded in the XEmbed tray")
        if not embedded:
            print(tree)
        visible = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                                  "^Halvo Tavorin$"], env=env, text=True,
                                 capture_output=True).stdout.split()
        # The only visible window of ours is the icon inside the panel.
        check(len(visible) <= 1, "--hidden with a tray shows no main window (%r)" % visible)
    finally:
        end_session(bus_pid, xvfb, app, tray)


def main():
    program, tavorin = sys.argv[1], sys.argv[2]
    for tool in ("Xvfb", "dbus-daemon", "trayer", "xwininfo", "xdotool"):
        if shutil.which(tool) is None:
            print("skipped: no %s" % tool)
            return SKIP
    with tempfile.TemporaryDirectory(prefix="halvo-tray-") as folder:
        status_notifier_session(program, tavorin, folder)
    with tempfile.TemporaryDirectory(prefix="halvo-xembed-") as folder:
        xembed_session(program, folder)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
