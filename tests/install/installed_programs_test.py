"""The installed tree: `cmake --install` into a temporary prefix, then the programs started from
their installed paths and from an unrelated current directory, on Qt's offscreen platform. They
must take their libraries and the demo world from the prefix, never from the build folder.

Usage: installed_programs_test.py CMAKE BUILD_FOLDER SOURCE_FOLDER
"""
import configparser
import filecmp
import os
import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

CMAKE, BUILD, SOURCE = (os.path.abspath(a) for a in sys.argv[1:4])
del sys.argv[1:4]
BUILT = os.path.join(BUILD, "bin")

PROGRAMS = {"QZ3Dedit", "QZ3D15", "qzmap", "qz3d-render", "qz-demo-map", "qz-demo-world"}
LIBRARIES = {"QZ3D15.so", "libqzplatform.so", "zuRA.so", "ZERurav.so"}
START = "0xC00"  # the viewer's File > Start


def run(arguments, cwd, timeout=60):
    return subprocess.run(arguments, cwd=cwd, capture_output=True, text=True, timeout=timeout,
                          env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))


def bitmap_rows(path):
    """The rows of an uncompressed BMP (8-bit through its colour table, or 24/32-bit) from the
    top, each as bytes of (blue, green, red) triples."""
    data = pathlib.Path(path).read_bytes()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    stride = (width * bits // 8 + 3) // 4 * 4
    colours = [data[54 + 4 * i:57 + 4 * i] for i in range(256)] if bits == 8 else None
    rows = []
    for y in range(abs(height)):
        start = offset + (y if height < 0 else abs(height) - 1 - y) * stride
        row = data[start:start + width * bits // 8]
        if colours:
            rows.append(b"".join(colours[b] for b in row))
        else:
            step = bits // 8
            rows.append(b"".join(row[x * step:x * step + 3] for x in range(width)))
    return rows


def read_header(path):
    header = configparser.ConfigParser(interpolation=None, strict=False)
    header.read(path)
    return header


class InstalledTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.TemporaryDirectory(prefix="qz-install-")
        cls.prefix = os.path.join(cls.temp.name, "prefix")
        installed = subprocess.run([CMAKE, "--install", BUILD, "--prefix", cls.prefix],
                                   capture_output=True, text=True)
        if installed.returncode != 0:
            raise AssertionError("cmake --install failed:\n" + installed.stdout + installed.stderr)
        cls.bin = os.path.join(cls.prefix, "bin")
        cls.lib = os.path.join(cls.prefix, "lib", "quarzite3d")
        cls.share = os.path.join(cls.prefix, "share", "quarzite3d")

    @classmethod
    def tearDownClass(cls):
        cls.temp.cleanup()

    def setUp(self):
        self.elsewhere = tempfile.mkdtemp(dir=self.temp.name, prefix="cwd-")

    def test_programs_and_libraries_alone_in_their_folders(self):
        self.assertEqual(set(os.listdir(self.bin)), PROGRAMS)
        self.assertEqual(set(os.listdir(self.lib)), LIBRARIES)
        for name in PROGRAMS:
            self.assertTrue(os.access(os.path.join(self.bin, name), os.X_OK), name)

    def test_binaries_look_for_libraries_beside_themselves_only(self):
        expected = {os.path.join(self.bin, p): "$ORIGIN/../lib/quarzite3d" for p in PROGRAMS}
        expected.update({os.path.join(self.lib, l): "$ORIGIN" for l in LIBRARIES})
        for path, runpath in expected.items():
            dynamic = run(["readelf", "-d", path], self.elsewhere).stdout
            paths = [line.split("[", 1)[1].rstrip("]") for line in dynamic.splitlines()
                     if "(RUNPATH)" in line or "(RPATH)" in line]
            self.assertEqual(paths, [runpath], path)
            self.assertNotIn(BUILD, dynamic, path)

    def test_installed_world_is_the_built_one_and_complete(self):
        installed = {name for name in os.listdir(self.share) if os.path.isfile(os.path.join(self.share, name))}
        for name in installed:
            self.assertTrue(filecmp.cmp(os.path.join(self.share, name), os.path.join(BUILT, name), shallow=False),
                            name)
        self.assertTrue({"demo.hdr", "scratch.hdr", "demo.map", "demo.mpb"} <= installed)
        for header_name in ("demo.hdr", "scratch.hdr"):
            header = read_header(os.path.join(self.share, header_name))
            named = {header["Quarzite3D"]["pal"], header["Quarzite3D"]["skyName"]}
            for section in ("Overlays", "Objects", "Walls", "Anim", "Floors", "Ceilings"):
                named.update(header[section].values())
            self.assertEqual(named - installed, set(), header_name)
        # The preview writes scratch.mpb where the editor runs; only the demo map ships.
        self.assertEqual(read_header(os.path.join(self.share, "demo.hdr"))["Quarzite3D"]["map"], "demo.mpb")

    def test_shapes_are_the_programs_own_as_built(self):
        installed = os.path.join(self.share, "shapes")
        source = os.path.join(SOURCE, "editor", "wizards", "shapes")
        names = sorted(name for name in os.listdir(source) if name.endswith(".xml"))
        self.assertGreaterEqual(len(names), 10)
        self.assertEqual(sorted(os.listdir(installed)), names)
        self.assertEqual(sorted(os.listdir(os.path.join(BUILT, "shapes"))), names)
        for name in names:
            self.assertTrue(filecmp.cmp(os.path.join(installed, name), os.path.join(source, name), shallow=False), name)
            self.assertTrue(pathlib.Path(installed, name).read_text().upper().startswith("<QZSHAPE"), name)

    def test_tools_run_from_the_prefix(self):
        info = run([os.path.join(self.bin, "qzmap"), "info", os.path.join(self.share, "demo.mpb")], self.elsewhere)
        self.assertEqual(info.returncode, 0, info.stderr)
        self.assertIn("walls", info.stdout)
        frame = os.path.join(self.elsewhere, "frame.bmp")
        rendered = run([os.path.join(self.bin, "qz3d-render"), os.path.join(self.share, "demo.hdr"),
                        "--size", "640x320", "--out", frame], self.elsewhere)
        self.assertEqual(rendered.returncode, 0, rendered.stderr)
        self.assertEqual(len(bitmap_rows(frame)), 320)

    def test_viewer_shows_the_installed_world(self):
        grab = os.path.join(self.elsewhere, "viewer.bmp")
        viewer = run([os.path.join(self.bin, "QZ3D15"), "--drive", f"command:{START} grab:{grab} close",
                      os.path.join(self.share, "demo.hdr")], self.elsewhere)
        self.assertEqual(viewer.returncode, 0, viewer.stderr)

        loaded = pathlib.Path(self.elsewhere, "memUse.log").read_text()
        header = read_header(os.path.join(self.share, "demo.hdr"))
        for kind, section in (("Wall", "Walls"), ("Floor", "Floors")):
            for name in header[section].values():
                self.assertIn(f"{kind} - {name} - ", loaded)

        reference = os.path.join(self.elsewhere, "reference.bmp")
        rendered = run([os.path.join(self.bin, "qz3d-render"), os.path.join(self.share, "demo.hdr"),
                        "--size", "640x320", "--out", reference], self.elsewhere)
        self.assertEqual(rendered.returncode, 0, rendered.stderr)
        self.assertLess(differing_pixels(bitmap_rows(reference), bitmap_rows(grab)), 640 * 320 // 50,
                        "the window shows the engine's frame of the demo world (the runes scroll)")

    def test_editor_opens_the_installed_demo_map(self):
        demo_map = os.path.join(self.share, "demo.map")
        picture = os.path.join(self.elsewhere, "editor.png")
        editor = run([os.path.join(self.bin, "QZ3Dedit"), "--screenshot", picture, demo_map], self.elsewhere)
        self.assertEqual(editor.returncode, 0, editor.stderr)
        self.assertEqual(pathlib.Path(picture).read_bytes()[:8], b"\x89PNG\r\n\x1a\n")
        settings = read_header(os.path.join(self.elsewhere, "mapedit.ini"))
        self.assertEqual(settings["init"]["file1"], demo_map, "only a map that was read becomes a recent file")
        self.assertTrue(os.path.isfile(os.path.join(self.elsewhere, "MapEdit.log")))

    def test_editor_previews_from_a_folder_without_a_scratch_header(self):
        demo_map = os.path.join(self.share, "demo.map")
        picture = os.path.join(self.elsewhere, "render.png")
        shipped = sorted(os.listdir(self.share))
        steps = f"menu:render click:frmRender/cmdInit key:frmRender/Picture1=Up grab:frmRender/Picture1={picture} quit"
        editor = subprocess.run([os.path.join(self.bin, "QZ3Dedit"), "--drive", steps, demo_map], cwd=self.elsewhere,
                                capture_output=True, text=True, timeout=60,
                                env=dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CACHE_HOME=self.elsewhere))
        self.assertEqual(editor.returncode, 0, editor.stderr)
        loaded = pathlib.Path(self.elsewhere, "memUse.log").read_text()
        self.assertIn("Wall - " + os.path.join(self.share, "brick.bmp") + " - ", loaded, "the shipped textures")
        self.assertEqual(pathlib.Path(picture).read_bytes()[:8], b"\x89PNG\r\n\x1a\n")
        self.assertTrue(os.path.isfile(os.path.join(self.elsewhere, "scratch.mpb")))
        header = read_header(os.path.join(self.elsewhere, "quarzite3d", "scratch.hdr"))
        self.assertEqual(header["Quarzite3D"]["map"], os.path.join(self.elsewhere, "scratch.mpb"))
        self.assertEqual(header["Walls"]["1"], os.path.join(self.share, "brick.bmp"))
        self.assertEqual(sorted(os.listdir(self.share)), shipped, "nothing written into the program's folders")

    def test_desktop_entry_starts_the_editor_with_its_icon(self):
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(os.path.join(self.prefix, "share", "applications", "quarzite3d-editor.desktop"))
        desktop = entry["Desktop Entry"]
        self.assertEqual(desktop["Type"], "Application")
        self.assertEqual(desktop["Exec"].split()[0], "QZ3Dedit")
        self.assertIn(desktop["Exec"].split()[0], PROGRAMS)
        icon = os.path.join(self.prefix, "share", "icons", "hicolor", "scalable", "apps", desktop["Icon"] + ".svg")
        self.assertEqual(ElementTree.parse(icon).getroot().tag, "{http://www.w3.org/2000/svg}svg")
        manual = os.path.join(self.prefix, "share", "doc", "quarzite3d", "manual.html")
        self.assertTrue(filecmp.cmp(manual, os.path.join(SOURCE, "editor", "shell", "help", "manual.html"),
                                    shallow=False))


def differing_pixels(frame, window):
    """Pixels of the frame that differ from the window's picture where the frame sits best in it."""
    width = len(frame[0]) // 3
    def at(top):
        return sum(1 for y, row in enumerate(frame) for x in range(width)
                   if row[3 * x:3 * x + 3] != window[top + y][3 * x:3 * x + 3])
    tops = range(len(window) - len(frame) + 1)
    best = max(tops, key=lambda top: sum(row == window[top + y][:len(row)] for y, row in enumerate(frame)))
    return at(best)


if __name__ == "__main__":
    unittest.main()
