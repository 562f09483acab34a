"""The window on a real X server: standalone, docked into a foreign
top-level window by its id, and left behind when that window goes away.

Run under xvfb-run: argv = program, foreign window helper, build folder.
Screenshots of the standalone and of the docked window go to the build
folder (app-standalone.png, app-docked.png)."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM, FOREIGN, BUILD = sys.argv[1:4]
CAPTION = "Exportar e importar datos entre Vestrano y GEPA"
STATUS_0 = b"[Transformadores]\r\nTransformado=0\r\n"


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, timeout=30)


def wait_for(condition, what, timeout=20.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def windows_named(caption):
    done = run("xdotool", "search", "--name", "^" + re.escape(caption) + "$")
    return [int(w) for w in done.stdout.split()]


def children(parent):
    """(id, name, geometry) of each direct child in `xwininfo -tree`."""
    done = run("xwininfo", "-tree", "-id", hex(parent))
    found = []
    for line in done.stdout.splitlines():
        m = re.match(r'^\s{5}(0x[0-9a-f]+) (?:"([^"]*)"|\(has no name\)).*?(\d+x\d+\+-?\d+\+-?\d+)', line)
        if m:
            found.append((int(m.group(1), 16), m.group(2) or "", m.group(3)))
    return found


def press_alt_s(window):
    run("xdotool", "windowfocus", "--sync", str(window))
    run("xdotool", "key", "--clearmodifiers", "alt+s")


class XvfbDockingTest(unittest.TestCase):
    def setUp(self):
        # The program runs from a folder of its own: Vestrano.ini lands there.
        self.folder = tempfile.mkdtemp(prefix="tt-xvfb-")
        self.program = os.path.join(self.folder, "TransTalenoGEPA")
        shutil.copy2(PROGRAM, self.program)
        self.ini = os.path.join(self.folder, "Vestrano.ini")
        self.processes = []
        self.env = dict(os.environ, VTEMP=os.path.join(self.folder, "vtemp"))
        self.env.pop("QT_QPA_PLATFORM", None)
        suppressions = os.path.join(os.path.dirname(os.path.abspath(__file__)), "lsan_suppressions.txt")
        self.env["LSAN_OPTIONS"] = ":".join(
            filter(None, [os.environ.get("LSAN_OPTIONS"), "suppressions=" + suppressions]))

    def tearDown(self):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
                process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)

    def start(self, *command, **kwargs):
        process = subprocess.Popen(list(command), cwd=self.folder, env=self.env, **kwargs)
        self.processes.append(process)
        return process

    def start_foreign(self):
        foreign = self.start(FOREIGN, stdout=subprocess.PIPE, text=True)
        handle = int(foreign.stdout.readline(), 16)
        wait_for(lambda: run("xwininfo", "-id", hex(handle)).returncode == 0, "the foreign window")
        return foreign, handle

    def docked_child(self, handle):
        def find():
            for child, name, geometry in children(handle):
                if name == CAPTION:
                    return child, geometry
            return None
        return wait_for(find, "the docked window")

    def read_ini(self):
        with open(self.ini, "rb") as f:
            return f.read()

    def test_standalone_window(self):
        program = self.start(self.program)
        window = wait_for(lambda: windows_named(CAPTION), "the window")[0]
        info = run("xwininfo", "-id", str(window)).stdout
        self.assertIn("Width: 599", info)
        self.assertIn("Height: 270", info)
        time.sleep(0.5)  # let it paint
        run("import", "-window", str(window), os.path.join(BUILD, "app-standalone.png"))
        press_alt_s(window)
        self.assertEqual(program.wait(timeout=20), 0)
        self.assertFalse(os.path.exists(self.ini), "standalone writes nothing")

    def test_docked_into_the_foreign_window(self):
        foreign, handle = self.start_foreign()
        program = self.start(self.program, "importar", "%X" % handle)
        child, geometry = self.docked_child(handle)
        self.assertEqual(geometry, "599x270+2+2")
        # Frameless: no window manager decorations asked for.
        hints = run("xprop", "-id", str(child), "_MOTIF_WM_HINTS").stdout
        self.assertRegex(hints, r"_MOTIF_WM_HINTS\(_MOTIF_WM_HINTS\) = 0x2, 0x[0-9a-f]+, 0x0")
        time.sleep(0.5)
        run("import", "-window", str(handle), os.path.join(BUILD, "app-docked.png"))
        press_alt_s(child)
        self.assertEqual(program.wait(timeout=20), 0)
        self.assertEqual(self.read_ini(), STATUS_0)
        self.assertIsNone(foreign.poll(), "the foreign window stays")

    def test_foreign_window_gone(self):
        foreign, handle = self.start_foreign()
        program = self.start(self.program, "exportar", "%08x" % handle)
        self.docked_child(handle)
        foreign.kill()
        foreign.wait()
        self.assertEqual(program.wait(timeout=20), 0)
        self.assertEqual(self.read_ini(), STATUS_0)

    def test_handle_that_names_no_window(self):
        program = self.start(self.program, "importar", "7FFFFFF0")
        window = wait_for(lambda: windows_named(CAPTION), "the window")[0]
        info = run("xwininfo", "-id", str(window)).stdout
        self.assertIn("Absolute upper-left X:  2", info)
        press_alt_s(window)
        self.assertEqual(program.wait(timeout=20), 0)
        self.assertEqual(self.read_ini(), STATUS_0)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
