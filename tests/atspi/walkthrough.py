#!/usr/bin/python3
"""A blind fan's evening with Torvelo, read and driven through AT-SPI, the interface
screen readers such as Orca use.

Started by CTest inside tests/x11/xsession.sh (Xvfb and openbox) and dbus-run-session
(a private session bus). This script starts the accessibility bus itself
(at-spi-bus-launcher, which brings up at-spi2-registryd), then the program with an
empty data folder, and drives it with the keyboard only (xdotool): main menu, group A,
a whole group typed, the ranked table read back, the bracket, one match decided
through extra time and penalties, the winner read back. Every focusable control
showing on the screens visited must have a name.

    walkthrough.py PROGRAM

Every wait polls with a deadline: nothing here relies on a fixed pause.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# Generous: a loaded 2-core CI machine, a sanitized build, and a splash of 6 s.
STARTUP_TIMEOUT = 60.0
STEP_TIMEOUT = 30.0
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

MAIN_MENU = "Torvelo Alemania 2006- Pantalla de Inicio - Resolucion Optima 800 x 600"
STAGES = "Torvelo Alemania 2006 - Grupos y Llave - Resolucion Optima 800 x 600"
GROUPS = "Torvelo Alemania 2006 - Grupos & Llave Final - Resolucion Optima 800 x 600"
GROUP_A = "Torvelo Alemania 2006 - Partidos del Grupo A - Resolucion Optima 800 x 600"
BRACKET = "Torvelo Alemania 2006 - Partidos de la llave - Resolucion Optima 800 x 600"

# Group A as it was played: score boxes R(0) to R(11) in Tab order.
GROUP_A_SCORES = ["4", "2", "0", "2", "1", "0", "3", "0", "0", "3", "1", "2"]
GROUP_A_RANKED = [
    ("Alemania", "9"),
    ("Ecuador", "6"),
    ("Polonia", "3"),
    ("Costa Rica", "0"),
]


class Failure(Exception):
    pass


def log(text):
    print(text, flush=True)


def wait_for(what, probe, timeout=STEP_TIMEOUT):
    """Polls `probe` until it returns something true; fails after `timeout` seconds."""
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            value = probe()
            if value:
                return value
        except GLib.Error as error:  # an object went away while we looked at it
            last_error = error
        time.sleep(0.05)
    raise Failure("timed out after %.0f s waiting for %s%s" % (timeout, what, " (%s)" % last_error if last_error else ""))


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "30"] + list(names), check=True)


def states(acc):
    return acc.get_state_set()


def has(acc, state):
    return states(acc).contains(state)


def walk(acc, depth=0):
    """The subtree in reading order (depth first, children in their order)."""
    yield acc, depth
    for i in range(acc.get_child_count()):
        child = acc.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def name(acc):
    return acc.get_name() or ""


class Session:
    def __init__(self, program):
        self.program = program
        self.folder = tempfile.mkdtemp(prefix="torvelo-atspi-")
        self.launcher = None
        self.process = None
        self.app = None

    # The accessibility bus and the program.

    def start(self):
        env = dict(os.environ)
        # The launcher starts the accessibility bus, on which the registry is started
        # on demand; the program and this script find it through the session bus.
        # Wait until it owns its name there, or the session bus would start a second.
        self.launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"], env=env,
                                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        session_bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)

        def launcher_ready():
            if self.launcher.poll() is not None:
                raise Failure("at-spi-bus-launcher ended with status %d" % self.launcher.returncode)
            reply = session_bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                          "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)),
                                          GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE, -1, None)
            return reply.unpack()[0]

        wait_for("the accessibility bus", launcher_ready, STARTUP_TIMEOUT)
        Atspi.init()
        wait_for("the accessibility registry", lambda: Atspi.get_desktop(0) is not None, STARTUP_TIMEOUT)

        data = os.path.join(self.folder, "data")
        os.makedirs(data)
        runtime = os.path.join(self.folder, "runtime")
        os.makedirs(runtime, mode=0o700)
        env.update({
            "HOME": self.folder,
            "XDG_DATA_HOME": data,
            "XDG_CONFIG_HOME": os.path.join(self.folder, "config"),
            "XDG_CACHE_HOME": os.path.join(self.folder, "cache"),
            "XDG_RUNTIME_DIR": runtime,
            "QT_QPA_PLATFORM": "xcb",
            # Qt otherwise waits for a desktop to switch accessibility on.
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        })
        env.pop("QT_SCALE_FACTOR", None)
        self.process = subprocess.Popen([self.program], env=env)

        def find_app():
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            return None

        self.app = wait_for("the program on the accessibility bus", find_app, STARTUP_TIMEOUT)
        # Read the tree fresh every time: rows move, names change, boxes come and go.
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        if self.launcher and self.launcher.poll() is None:
            self.launcher.terminate()
            try:
                self.launcher.wait(10)
            except subprocess.TimeoutExpired:
                self.launcher.kill()
                self.launcher.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    # Reading the tree.

    def window(self, title):
        for i in range(self.app.get_child_count()):
            w = self.app.get_child_at_index(i)
            if w is not None and name(w) == title and has(w, Atspi.StateType.SHOWING):
                return w
        return None

    def wait_window(self, title, timeout=STEP_TIMEOUT):
        return wait_for("the window '%s'" % title, lambda: self.window(title), timeout)

    def wait_gone(self, title):
        wait_for("the window '%s' to close" % title, lambda: self.window(title) is None)

    def focused(self, window):
        for acc, _ in walk(window):
            if has(acc, Atspi.StateType.FOCUSED) and has(acc, Atspi.StateType.FOCUSABLE):
                return acc
        return None

    def wait_focus(self, title, expected):
        """Waits until the control named `expected` (or starting so, with a trailing '*')
        has the keyboard on the window `title`; returns it."""
        def probe():
            w = self.window(title)
            f = w and self.focused(w)
            if not f:
                return None
            n = name(f)
            ok = n.startswith(expected[:-1]) if expected.endswith("*") else n == expected
            return f if ok else None
        try:
            return wait_for("focus on '%s'" % expected, probe)
        except Failure:
            w = self.window(title)
            f = w and self.focused(w)
            raise Failure("focus is on '%s', not on '%s'" % (name(f) if f else None, expected))

    def find(self, title, predicate):
        w = self.window(title)
        if not w:
            return None
        for acc, _ in walk(w):
            if predicate(acc):
                return acc
        return None

    def names(self, title, prefix):
        w = self.window(title)
        return [name(acc) for acc, _ in walk(w) if name(acc).startswith(prefix)] if w else []

    def check_all_named(self, title):
        """Every focusable control showing on the window has a name."""
        w = self.wait_window(title)
        unnamed = []
        focusable = 0
        for acc, _ in walk(w):
            s = states(acc)
            if s.contains(Atspi.StateType.FOCUSABLE) and s.contains(Atspi.StateType.SHOWING):
                focusable += 1
                if not name(acc).strip():
                    unnamed.append("%s '%s'" % (acc.get_role_name(), acc.get_description() or ""))
        if unnamed:
            raise Failure("%d of %d focusable controls on '%s' have no name: %s"
                          % (len(unnamed), focusable, title, ", ".join(unnamed)))
        log("  %d focusable controls on '%s', all named" % (focusable, title))


def run(session):
    log("main menu (after the splash)")
    session.wait_window(MAIN_MENU, STARTUP_TIMEOUT)
    session.wait_focus(MAIN_MENU, "Torvelo")
    session.check_all_named(MAIN_MENU)

    key("Return")
    session.wait_window(STAGES)
    session.wait_focus(STAGES, "Grupos")
    session.check_all_named(STAGES)

    key("Return")
    session.wait_window(GROUPS)
    session.wait_focus(GROUPS, "Grupo A")
    session.check_all_named(GROUPS)

    log("group A: typing the six matches")
    key("Return")
    group = session.wait_window(GROUP_A)
    if group.get_description() != "Escape cierra esta pantalla":
        raise Failure("group A does not say how to close it: '%s'" % group.get_description())
    session.wait_focus(GROUP_A, "Alemania, goles ante Costa Rica, partido 1")
    session.check_all_named(GROUP_A)
    for i, score in enumerate(GROUP_A_SCORES):
        key(score)
        if i == 0:
            # Moving on by keyboard shows the match's date and venue.
            key("Tab")
            session.wait_focus(GROUP_A, "Costa Rica, goles ante Alemania, partido 1")
            wait_for("the date of match 1", lambda: session.names(GROUP_A, "Fecha: 9 de Junio - 13:00 Hs."))
            wait_for("the venue of match 1", lambda: session.names(GROUP_A, "Lugar: Munich"))
        elif i < len(GROUP_A_SCORES) - 1:
            key("Tab")
    session.wait_focus(GROUP_A, "Polonia, goles ante Costa Rica, partido 6")
    wait_for("the venue of match 6", lambda: session.names(GROUP_A, "Lugar: Hannover"))

    log("group A: reading the table")
    expected_rows = ["Puesto %d: %s" % (i + 1, team) for i, (team, _) in enumerate(GROUP_A_RANKED)]
    rows = wait_for("the ranked table", lambda: session.names(GROUP_A, "Puesto ") == expected_rows
                    and session.names(GROUP_A, "Puesto "))
    log("  rows in reading order: %s" % rows)
    # Row by row, each row's figures follow its name; the points close each row.
    points = [n for n in session.names(GROUP_A, "") if ", puntos: " in n]
    expected_points = ["%s, puntos: %s" % row for row in GROUP_A_RANKED]
    if points != expected_points:
        raise Failure("points read as %s, expected %s" % (points, expected_points))
    log("  points in reading order: %s" % points)

    log("closing group A and the chooser with Escape")
    key("Escape")
    session.wait_gone(GROUP_A)
    session.wait_focus(GROUPS, "Grupo A")
    key("Escape")
    session.wait_gone(GROUPS)
    session.wait_focus(STAGES, "Grupos")

    log("the bracket")
    key("Tab")
    session.wait_focus(STAGES, "Llave")
    key("Return")
    session.wait_window(BRACKET)
    first = "Alemania, goles ante sin definir (2° del grupo B), octavos de final, partido 1, "
    session.wait_focus(BRACKET, first + "tiempo reglamentario")
    session.check_all_named(BRACKET)
    log("  regular time 1 - 1")
    key("1", "Tab", "1", "Tab")
    session.wait_focus(BRACKET, first + "alargue")
    log("  extra time 0 - 0")
    key("0", "Tab", "0", "Tab")
    session.wait_focus(BRACKET, first + "penales")
    session.check_all_named(BRACKET)
    log("  penalties 4 - 3")
    key("4", "Tab", "3")
    winner = wait_for("the winner's slot", lambda: session.names(BRACKET, "Cuartos de final, partido 9: Alemania"))
    log("  winner's slot reads '%s'" % winner[0])
    wait_for("the winner's flag", lambda: session.names(BRACKET, "Bandera de Alemania"))
    session.check_all_named(BRACKET)

    log("closing the bracket and the chooser with Escape; the main menu stays")
    key("Escape")
    session.wait_gone(BRACKET)
    session.wait_focus(STAGES, "Llave")
    key("Escape")
    session.wait_gone(STAGES)
    session.wait_focus(MAIN_MENU, "Torvelo")
    # Escape on the main menu does nothing: the Tab after it still lands there.
    key("Escape", "Tab")
    session.wait_focus(MAIN_MENU, "Estadios")

    saved = os.path.join(session.folder, "data", "torvelo", "torveloA.txt")
    with open(saved, encoding="cp1252", newline="") as f:
        lines = f.read().split("\r\n")
    if lines[12:14] != ["Alemania", "Ecuador"]:
        raise Failure("group A file names %s as first and second" % lines[12:14])

    log("closing the main menu")
    key("alt+F4")
    try:
        session.process.wait(STEP_TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failure("the program did not end when its main menu was closed")


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    if not os.path.exists(LAUNCHER) or shutil.which("xdotool") is None:
        print("at-spi2-core or xdotool is not installed")
        return 77
    session = Session(sys.argv[1])
    started = time.monotonic()
    try:
        session.start()
        run(session)
    except Failure as failure:
        log("FAIL: %s" % failure)
        return 1
    finally:
        session.stop()
    log("PASS in %.1f s" % (time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main())
