#!/usr/bin/env python3
"""Reads the desktop program as a screen reader does, through AT-SPI.

Starts a virtual display, a private session bus with the accessibility bus
and its registry, and the program on a set date (libfaketime): Seattle on
20 March 2026. It then walks the desktop's tree to the program and finds the
six prayers with their times, opens "Add New Location" through the menu
item's own action and finds the dialog's controls named by their captions.

Exits 77 (skipped) when a tool is missing. Usage: atspi_read_test.py PROGRAM
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
LIBFAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
LIBEXEC_DIRS = ["/usr/libexec", "/usr/lib/at-spi2-core", "/usr/lib/at-spi2"]

# As the main window shows Seattle on that day (the window tests pin the same).
EXPECTED_PRAYERS = ["Fajr 5:46 AM", "Sunrise 7:12 AM", "Zuhr 1:16 PM",
                    "Asr 4:37 PM", "Maghrib 7:21 PM", "Isha 8:46 PM"]
MENU_ITEM = "Add New Location"
DIALOG_CONTROLS = {("text", "City Name"), ("text", "Country Name"), ("text", "Longitude"),
                   ("text", "Latitude"), ("combo box", "Timezone")}


def skip(reason):
    print(f"SKIPPED: {reason}")
    sys.exit(SKIPPED)


def find_tool(name):
    for folder in LIBEXEC_DIRS:
        path = os.path.join(folder, name)
        if os.access(path, os.X_OK):
            return path
    return None


def walk(node, depth=0, limit=12):
    """(role, name) of a node and everything under it."""
    if node is None or depth > limit:
        return
    try:
        yield node.getRoleName(), node.name or ""
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # a node that went away while it was read
        return
    for child in children:
        yield from walk(child, depth + 1, limit)


def find_application(pyatspi, pid, deadline):
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                continue
        time.sleep(0.3)
    return None


def press_menu_item(pid, name):
    """Child mode: triggers the menu item's action; blocks while the dialog runs."""
    import pyatspi
    app = find_application(pyatspi, pid, time.monotonic() + 20)
    if app is None:
        sys.exit("no application to press in")

    def search(node, depth=0):
        if node is None or depth > 8:
            return None
        if node.getRoleName() == "menu item" and node.name == name:
            return node
        for i in range(node.childCount):
            found = search(node.getChildAtIndex(i), depth + 1)
            if found is not None:
                return found
        return None

    item = search(app)
    if item is None:
        sys.exit(f"no menu item {name!r}")
    action = item.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "activate", "click", "Press"):
            action.doAction(i)
            return
    action.doAction(0)


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--press":
        press_menu_item(int(sys.argv[2]), sys.argv[3])
        return 0
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    program = sys.argv[1]

    launcher = find_tool("at-spi-bus-launcher")
    registry = find_tool("at-spi2-registryd")
    for tool, path in (("Xvfb", shutil.which("Xvfb")), ("dbus-daemon", shutil.which("dbus-daemon")),
                       ("at-spi-bus-launcher", launcher), ("at-spi2-registryd", registry)):
        if path is None:
            skip(f"{tool} is not installed (at-spi2-core, xvfb, dbus-daemon)")
    if not os.path.exists(LIBFAKETIME):
        skip("libfaketime is not installed")
    try:
        import gi  # noqa: F401
        import importlib.util
        if importlib.util.find_spec("pyatspi") is None:
            raise ImportError("pyatspi")
    except ImportError:
        skip("python3-pyatspi is not installed")

    work = tempfile.mkdtemp(prefix="halvo-atspi-")
    started = []  # process groups we started, ended in reverse order

    def start(arguments, **options):
        process = subprocess.Popen(arguments, start_new_session=True, **options)
        started.append(process)
        return process

    try:
        for sub in ("home", "data", "run", "config", "cache"):
            os.makedirs(os.path.join(work, sub), mode=0o700)
        env = dict(os.environ)
        env.update({
            "HOME": os.path.join(work, "home"),
            "XDG_DATA_HOME": os.path.join(work, "data"),
            "XDG_RUNTIME_DIR": os.path.join(work, "run"),
            "XDG_CONFIG_HOME": os.path.join(work, "config"),
            "XDG_CACHE_HOME": os.path.join(work, "cache"),
        })
        for name in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY",
                     "QT_QPA_PLATFORM", "LD_PRELOAD"):
            env.pop(name, None)

        # A display of our own: Xvfb names the first free one.
        read_end, write_end = os.pipe()
        start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x600x24", "-nolisten",
               "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 15
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_end)
        if not number.strip():
            skip("Xvfb did not start")
        env["DISPLAY"] = ":" + number.decode().strip()

        # A private session bus, and the accessibility bus on it.
        bus = start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                    stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env, text=True)
        address = bus.stdout.readline().strip()
        if not address:
            skip("the session bus did not start")
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        start([launcher, "--launch-immediately"], env=env, stderr=subprocess.DEVNULL)
        time.sleep(1.0)
        start([registry], env=env, stderr=subprocess.DEVNULL)
        time.sleep(0.5)

        app_env = dict(env)
        app_env.update({
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "LD_PRELOAD": LIBFAKETIME,
            "FAKETIME": "@2026-03-20 12:00:00",
            "FAKETIME_DONT_FAKE_MONOTONIC": "1",
            "TZ": "UTC",
            # libfaketime comes before a sanitizer build's own runtime.
            "ASAN_OPTIONS": ":".join(filter(None, [os.environ.get("ASAN_OPTIONS"),
                                                   "verify_asan_link_order=0"])),
        })
        program_log = open(os.path.join(work, "program.log"), "w")
        app_process = start([program], env=app_env, stdout=program_log, stderr=program_log)

        os.environ.update(env)
        import pyatspi

        app = find_application(pyatspi, app_process.pid, time.monotonic() + 30)
        if app is None:
            print(open(os.path.join(work, "program.log")).read())
            print("FAIL: the program never appeared on the accessibility bus")
            return 1

        failures = []
        names = []
        deadline = time.monotonic() + 15
        while time.monotonic() < deadline:
            names = [name for role, name in walk(app) if role in ("label", "static")]
            if all(prayer in names for prayer in EXPECTED_PRAYERS):
                break
            time.sleep(0.5)
        print("main window:", names)
        for prayer in EXPECTED_PRAYERS:
            if prayer not in names:
                failures.append(f"the main window has no {prayer!r}")

        presser = start([sys.executable, os.path.abspath(__file__), "--press",
                         str(app_process.pid), MENU_ITEM], env=env)
        found = set()
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            found = {(role, name) for role, name in walk(app)}
            if DIALOG_CONTROLS <= found:
                break
            time.sleep(0.5)
        print("dialog controls:", sorted(item for item in found
                                         if item[0] in ("text", "combo box", "check box")))
        for control in sorted(DIALOG_CONTROLS - found):
            failures.append(f"the dialog has no {control[0]} named {control[1]!r}")
        del presser

        for failure in failures:
            print("FAIL:", failure)
        return 1 if failures else 0
    finally:
        for process in reversed(started):
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                continue
        for process in reversed(started):
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                try:
                    os.killpg(process.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                process.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
