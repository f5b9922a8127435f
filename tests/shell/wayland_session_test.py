#!/usr/bin/python3
"""The desktop program natively on Wayland, in a private weston session.

weston runs with its headless backend (pixman, so the compositor's own
screenshot shows what it composes) and a module of ours that offers
xdg_activation_v1 and writes every activation request to a file. The test
starts the program, finds its window in the compositor's screenshot, starts
it a second time with an activation token in its environment, and checks
that the second start ends at once and that the first asks the compositor to
activate its window with exactly that token.

Without weston, its headless backend, Qt's wayland plugin or our module the
test says which is missing and is skipped (exit status 77).
"""

import argparse
import glob
import os
import secrets
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
WIDTH, HEIGHT = 640, 480


def skip(reason):
    print(f"SKIPPED: {reason}", flush=True)
    sys.exit(SKIPPED)


def wait_for(what, seconds, check, step=0.2):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        result = check()
        if result:
            return result
        time.sleep(step)
    return None


class Session:
    """A private runtime folder, data folder and weston for one test."""

    def __init__(self, module):
        self.folder = tempfile.mkdtemp(prefix="halvo-wayland-")
        self.runtime = os.path.join(self.folder, "run")
        os.mkdir(self.runtime, 0o700)
        os.chmod(self.runtime, 0o700)
        self.socket = "halvo-test-" + secrets.token_hex(4)
        self.activation_log = os.path.join(self.folder, "activations.txt")
        self.weston_log = os.path.join(self.folder, "weston.log")
        self.processes = []
        # In a sanitizer build: the libraries that keep blocks for the life
        # of a Wayland client are not ours to leak-check.
        self.suppressions = os.path.join(self.folder, "lsan.supp")
        with open(self.suppressions, "w", encoding="utf-8") as out:
            out.write("".join(f"leak:{library}\n" for library in (
                "libfontconfig.so", "libdbus-1.so", "libwayland-client.so",
                "libQt6WaylandClient.so", "libxkbcommon.so", "libEGL", "libGLX", "libgallium",
                "dri.so")))
        environment = {
            name: value for name, value in os.environ.items()
            if name not in ("DISPLAY", "WAYLAND_DISPLAY", "XDG_ACTIVATION_TOKEN",
                            "DESKTOP_STARTUP_ID", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR")
        }
        environment.update({
            "XDG_RUNTIME_DIR": self.runtime,
            "HALVO_ACTIVATION_LOG": self.activation_log,
        })
        self.environment = environment
        self.weston = self.start(
            ["weston", "--backend=headless-backend.so", f"--socket={self.socket}",
             "--shell=desktop-shell.so", "--use-pixman", "--debug", "--idle-time=0",
             f"--width={WIDTH}", f"--height={HEIGHT}", f"--modules={module}",
             f"--log={self.weston_log}"],
            environment, "weston")
        socket_path = os.path.join(self.runtime, self.socket)
        if not wait_for("the compositor's socket", 15, lambda: os.path.exists(socket_path)):
            self.fail("weston did not open its socket")

    def start(self, command, environment, name):
        out = open(os.path.join(self.folder, name + ".out"), "wb")
        process = subprocess.Popen(command, env=environment, stdout=out,
                                   stderr=subprocess.STDOUT, cwd=self.folder)
        self.processes.append((name, process))
        return process

    def client_environment(self, **extra):
        environment = dict(self.environment)
        environment.update({
            "WAYLAND_DISPLAY": self.socket,
            "QT_QPA_PLATFORM": "wayland",
            "XDG_DATA_HOME": os.path.join(self.folder, "data"),
            "HOME": os.path.join(self.folder, "home"),
            "LSAN_OPTIONS": f"suppressions={self.suppressions}",
        })
        environment.update(extra)
        return environment

    def screenshot(self):
        """The compositor's picture of its output, or None."""
        shots = os.path.join(self.folder, "shots")
        os.makedirs(shots, exist_ok=True)
        for old in glob.glob(os.path.join(shots, "*.png")):
            os.remove(old)
        environment = dict(self.environment, WAYLAND_DISPLAY=self.socket)
        result = subprocess.run(["weston-screenshooter"], env=environment, cwd=shots,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=20)
        taken = glob.glob(os.path.join(shots, "*.png"))
        if result.returncode != 0 or not taken:
            return None
        from PIL import Image
        with Image.open(taken[0]) as picture:
            return picture.convert("RGB")

    def activations(self):
        try:
            with open(self.activation_log, encoding="utf-8") as log:
                return [line.split() for line in log if line.startswith("activate ")]
        except FileNotFoundError:
            return []

    def fail(self, message):
        print(f"FAILED: {message}", flush=True)
        self.close()
        for name in sorted(os.listdir(self.folder)):
            path = os.path.join(self.folder, name)
            if os.path.isfile(path) and not name.endswith(".png"):
                with open(path, "rb") as log:
                    text = log.read().decode("utf-8", "replace")[-4000:]
                print(f"--- {name}\n{text}", flush=True)
        shutil.rmtree(self.folder, ignore_errors=True)
        sys.exit(1)

    def close(self):
        for _name, process in reversed(self.processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(10)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        self.processes = []


def shows_main_window(picture):
    """The main display paints the day on white (the default background)
    with its dark blue date lines: both must be on the output."""
    if picture is None:
        return False
    colours = picture.getcolors(WIDTH * HEIGHT)
    white = sum(count for count, colour in colours if colour == (255, 255, 255))
    dark_blue = sum(count for count, colour in colours
                    if colour[0] < 60 and colour[1] < 60 and 90 < colour[2] < 170)
    return white > WIDTH * HEIGHT // 10 and dark_blue > 20


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("--module", default="")
    arguments = parser.parse_args()

    if shutil.which("weston") is None:
        skip("weston is not installed (Debian package weston)")
    if shutil.which("weston-screenshooter") is None:
        skip("weston-screenshooter is not installed (Debian package weston)")
    if not glob.glob("/usr/lib/*/libweston-*/headless-backend.so"):
        skip("weston's headless backend is not installed")
    if not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-*.so"):
        skip("Qt's wayland platform plugin is not installed (Debian package qt6-wayland)")
    if not arguments.module or not os.path.exists(arguments.module):
        skip("the activation module was not built (Debian packages libweston-10-dev, "
             "libwayland-dev and wayland-protocols are needed at build time)")

    program = os.path.abspath(arguments.program)
    data = os.path.abspath(arguments.data)
    session = Session(os.path.abspath(arguments.module))
    try:
        run(session, program, data)
    finally:
        session.close()
    shutil.rmtree(session.folder, ignore_errors=True)
    print("window shown under weston; the second start handed over its activation token")


def run(session, program, data):
    first_environment = session.client_environment(HALVO_DATA_DIR=data)
    first = session.start([program], first_environment, "first")

    # The window is shown: the compositor composes the program's picture.
    if not wait_for("the main window", 40, lambda: shows_main_window(session.screenshot()),
                    step=0.5):
        if first.poll() is not None:
            session.fail(f"the first start ended with status {first.returncode}")
        session.fail("the compositor never showed the main window")

    # A second start hands over: it ends at once, with status 0, and the
    # first raises its window with the token the second was started with.
    token = "halvo-handover-" + secrets.token_hex(8)
    second = subprocess.run([program],
                            env=session.client_environment(HALVO_DATA_DIR=data,
                                                           XDG_ACTIVATION_TOKEN=token),
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=60)
    if second.returncode != 0:
        print(second.stdout.decode("utf-8", "replace"))
        session.fail(f"the second start ended with status {second.returncode}")
    if not wait_for("the activation", 15, lambda: ["activate", token] in session.activations()):
        session.fail(f"the first start never activated its window with {token}; "
                     f"activations seen: {session.activations()}")
    if first.poll() is not None:
        session.fail(f"the first start ended with status {first.returncode} after the hand-over")
    if not shows_main_window(session.screenshot()):
        session.fail("the main window is gone after the hand-over")



if __name__ == "__main__":
    main()
