"""The Debian package: `cpack -G DEB` into a temporary folder, then its control fields, its files
(the installed tree under /usr) and its programs run from the unpacked package.

Usage: debian_package_test.py CPACK BUILD_FOLDER
"""
import os
import subprocess
import sys
import tempfile
import unittest

CPACK, BUILD = (os.path.abspath(a) for a in sys.argv[1:3])
del sys.argv[1:3]

# Packages that a fresh Debian 12 must bring for the programs to start.
RUNTIME = {"libc6", "libstdc++6", "libgcc-s1", "libqt6core6", "libqt6gui6", "libqt6widgets6", "libpng16-16"}


def output(arguments, cwd=None):
    finished = subprocess.run(arguments, cwd=cwd, capture_output=True, text=True, timeout=300)
    if finished.returncode != 0:
        raise AssertionError(" ".join(arguments) + " failed:\n" + finished.stdout + finished.stderr)
    return finished.stdout


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.TemporaryDirectory(prefix="qz-deb-")
        output([CPACK, "-G", "DEB", "-B", cls.temp.name, "--config", os.path.join(BUILD, "CPackConfig.cmake")])
        packages = [n for n in os.listdir(cls.temp.name) if n.endswith(".deb")]
        if len(packages) != 1:
            raise AssertionError(f"one package expected, made {packages}")
        cls.package = os.path.join(cls.temp.name, packages[0])
        cls.unpacked = os.path.join(cls.temp.name, "root")
        output(["dpkg-deb", "-x", cls.package, cls.unpacked])

    @classmethod
    def tearDownClass(cls):
        cls.temp.cleanup()

    def field(self, name):
        return output(["dpkg-deb", "-f", self.package, name]).strip()

    def test_control_names_the_package_and_every_runtime_library(self):
        self.assertEqual(self.field("Package"), "quarzite3d")
        self.assertEqual(os.path.basename(self.package),
                         f"quarzite3d_{self.field('Version')}_{self.field('Architecture')}.deb")
        depends = {d.split()[0] for d in self.field("Depends").split(", ")}
        self.assertEqual(RUNTIME - depends, set(), self.field("Depends"))
        self.assertNotIn("quarzite3d", depends)

    def test_files_are_the_installed_tree_under_usr(self):
        listed = output(["dpkg-deb", "-c", self.package]).splitlines()
        paths = {line.split()[-1] for line in listed}
        self.assertEqual(sorted(p for p in paths if not p.startswith("./usr/")), [])
        for path in ("./usr/bin/QZ3Dedit", "./usr/bin/QZ3D15", "./usr/lib/quarzite3d/QZ3D15.so",
                     "./usr/lib/quarzite3d/libqzplatform.so", "./usr/share/quarzite3d/demo.hdr",
                     "./usr/share/quarzite3d/scratch.hdr", "./usr/share/quarzite3d/demo.mpb",
                     "./usr/share/applications/quarzite3d-editor.desktop",
                     "./usr/share/icons/hicolor/scalable/apps/quarzite3d.svg",
                     "./usr/share/doc/quarzite3d/manual.html"):
            self.assertIn(path, paths)

    def test_unpacked_programs_run_on_the_packaged_world(self):
        usr = os.path.join(self.unpacked, "usr")
        frame = os.path.join(self.temp.name, "frame.bmp")
        output([os.path.join(usr, "bin", "qz3d-render"), os.path.join(usr, "share", "quarzite3d", "demo.hdr"),
                "--size", "64x40", "--out", frame], cwd=self.temp.name)
        self.assertEqual(os.path.getsize(frame), 1078 + 64 * 40)

if __name__ == "__main__":
    unittest.main()
