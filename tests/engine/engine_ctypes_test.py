"""The engine driven from Python with ctypes alone, as a foreign host drives it: the platform
library gives device contexts, bitmaps and automation strings, QZ3D15.so the exports, every
argument passed by reference.

Usage: engine_ctypes_test.py BIN_FOLDER
"""
import ctypes
import os
import struct
import sys
import tempfile
import unittest

BIN = os.path.abspath(sys.argv.pop(1)) if len(sys.argv) > 1 else os.getcwd()

platform = ctypes.CDLL(os.path.join(BIN, "libqzplatform.so"), mode=ctypes.RTLD_GLOBAL)
engine = ctypes.CDLL(os.path.join(BIN, "QZ3D15.so"))

platform.SysAllocStringByteLen.restype = ctypes.c_void_p
platform.SysAllocStringByteLen.argtypes = [ctypes.c_char_p, ctypes.c_uint32]
platform.SysStringByteLen.restype = ctypes.c_uint32
platform.SysStringByteLen.argtypes = [ctypes.c_void_p]
platform.SysFreeString.argtypes = [ctypes.c_void_p]
platform.CreateCompatibleDC.restype = ctypes.c_uint32
platform.CreateCompatibleDC.argtypes = [ctypes.c_uint32]
platform.SelectObject.restype = ctypes.c_uint32
platform.SelectObject.argtypes = [ctypes.c_uint32, ctypes.c_uint32]
platform.RegisterWindowSurface.restype = ctypes.c_uint32
platform.RegisterWindowSurface.argtypes = [ctypes.c_void_p, ctypes.c_int32, ctypes.c_int32, ctypes.c_int32]
platform.BitBlt.argtypes = [ctypes.c_uint32, ctypes.c_int32, ctypes.c_int32, ctypes.c_int32, ctypes.c_int32,
                            ctypes.c_uint32, ctypes.c_int32, ctypes.c_int32, ctypes.c_uint32]
platform.GetBitmapBits.argtypes = [ctypes.c_uint32, ctypes.c_int32, ctypes.c_void_p]
engine.FINDAREANAME.restype = ctypes.c_void_p

SRCCOPY = 0xCC0020


def ref(value):
    return ctypes.byref(ctypes.c_int32(value))


def call(name, *values):
    return getattr(engine, name)(*[ref(v) for v in values])


def bitmap(width, height, pixels, colours=None):
    """An 8-bit bitmap: file header, information header, 256 colours (blue, green, red, 0), pixels."""
    colours = colours or [(0, 0, 0)] * 256
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (b, g, r) in colours)
    head = struct.pack("<2sIHHI", b"BM", 1078 + len(pixels), 0, 0, 1078)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 0, 0, 256, 256)
    return head + info + table + bytes(pixels)


def map_file(nodes, areas, start):
    """The binary map layout: header, wall block (type 8), viewpoints, areas, globals, directory."""
    vx, vy, vz, vd = start
    walls = struct.pack("<iddih", len(nodes), vx, vy, vz, vd)
    for (x1, y1, x2, y2, front, texture, area_next) in nodes:
        walls += struct.pack("<17i", x1, y1, x2, y2, 8, 64, 64, 128, 0, 0, texture, 1, 2, 1, 2, 0, front)
        walls += struct.pack("<dd4i4id3d", 0.0, 1.0, 0, 0, 0, area_next, 0, 0, 0, 0, 0.0, 0.0, 0.0, 0.0)
    viewpoints = struct.pack("<i", 0)
    area_block = struct.pack("<i", len(areas))
    for (first, left, top, right, bottom, name) in areas:
        area_block += struct.pack("<13ih16sidd", first, (right - left) * (bottom - top), 0, top, left, bottom, right,
                                  8, 16, 64, 128, 0, 0, 0, name.ljust(16).encode(), 0, 0.0, 0.0)
    globals_block = struct.pack("<i", 0)
    blocks = [(8, walls), (2, viewpoints), (3, area_block), (4, globals_block)]
    body, entries, position = b"", b"", 65
    for kind, block in blocks:
        entries += struct.pack("<ii56x", kind, position)
        body += block
        position += len(block)
    header = struct.pack("<4siii48x", b"QZ3D", 146, len(blocks), position)
    return header + body + entries


def write_room_world(folder):
    """A 512 x 512 room facing inwards with a different texture on each wall; the viewer at the
    centre looking along +y."""
    colours = [(i, (i * 3) % 256, 255 - i) for i in range(256)]
    files = {"palette.bmp": bitmap(16, 16, [0] * 256, colours)}
    for k in range(4):
        files["wall%d.bmp" % (k + 1)] = bitmap(128, 128, [(40 * k + 10 + (r // 16 + c // 16) % 2 * 5)
                                                         for r in range(128) for c in range(128)])
    files["floor.bmp"] = bitmap(64, 64, [200 + (r // 8 + c // 8) % 2 for r in range(64) for c in range(64)])
    files["ceiling.bmp"] = bitmap(64, 64, [230] * 4096)
    corners = [(0, 0), (0, 512), (512, 512), (512, 0), (0, 0)]
    nodes = []
    for k in range(4):
        (x1, y1), (x2, y2) = corners[k], corners[k + 1]
        nodes.append((x1, y1, x2, y2, k + 1 if k < 3 else 0, k + 1, k + 1 if k < 3 else -1))
    files["room.mpb"] = map_file(nodes, [(0, 0, 0, 512, 512, "Great Hall")], (256.0, 256.0, 56, 0))
    files["room.hdr"] = ("[Quarzite3D]\nmap=room.mpb\nnumWalls=4\nnumFloors=2\nnumCeilings=1\n"
                         "[Walls]\n1=wall1.bmp\n2=wall2.bmp\n3=wall3.bmp\n4=wall4.bmp\n"
                         "[Floors]\n1=floor.bmp\n2=ceiling.bmp\n[Ceilings]\n1=ceiling.bmp\n").encode()
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
    return os.path.join(folder, "room.hdr")


class EngineHost:
    """What a host does: a memory context, INITVASKELL with an automation string, frames read back."""

    def __init__(self, header, width, height):
        self.width, self.height = width, height
        self.dc = platform.CreateCompatibleDC(0)
        name = header.encode()
        string = ctypes.c_void_p(platform.SysAllocStringByteLen(name, len(name)))
        self.bitmap = engine.INITVASKELL(ref(self.dc), ctypes.byref(string), ref(width), ref(height))
        platform.SysFreeString(string)

    def draw(self):
        return engine.DRAWQZ(ref(self.dc))

    def frame(self):
        pixels = ctypes.create_string_buffer(self.width * self.height)
        copied = platform.GetBitmapBits(self.bitmap, len(pixels), pixels)
        assert copied == len(pixels), copied
        return pixels.raw


class RoomWorldTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        os.chdir(self.folder.name)
        self.host = EngineHost(write_room_world(self.folder.name), 320, 200)

    def tearDown(self):
        os.chdir("/")
        self.folder.cleanup()

    def test_first_frame_shows_walls_floor_and_ceiling(self):
        self.assertGreater(self.host.bitmap, 0)
        frame = self.host.frame()
        top, middle, bottom = frame[0:320], frame[100 * 320:101 * 320], frame[199 * 320:200 * 320]
        self.assertEqual(set(top), {230}, "the ceiling flat")
        self.assertTrue(set(bottom) <= {200, 201}, "the floor flat")
        self.assertIn(50, middle)
        self.assertTrue(set(middle) <= {10, 15, 50, 55, 90, 95}, "wall 2 ahead (+y), 1 and 3 in the corners")
        self.assertGreater(len(set(frame)), 3)

    def test_turning_changes_the_frame_and_redraws_the_same_bitmap(self):
        before = self.host.frame()
        self.assertEqual(call("TURNVIEWER", 32), 0)
        self.assertEqual(self.host.draw(), self.host.bitmap)
        after = self.host.frame()
        self.assertNotEqual(before, after)
        middle = after[100 * 320:101 * 320]
        self.assertIn(10, middle)
        self.assertTrue(set(middle) <= {10, 15, 50, 55, 130, 135}, "a left turn faces wall 1 (-x)")

    def test_moves_areas_and_names(self):
        self.assertEqual(engine.FINDAREA(), 0)
        string = engine.FINDAREANAME(ref(0))
        self.assertEqual(platform.SysStringByteLen(string), 16)
        self.assertEqual(ctypes.string_at(string, 16), b"Great Hall      ")
        platform.SysFreeString(string)

        self.assertEqual(call("JUMPVIEWER", 256, 490, 56, 0), 0)
        self.assertEqual(call("MOVEVIEWER", 0, 40, 0), 0)
        self.assertEqual(engine.FINDAREA(), 0, "the wall at y = 512 stopped the viewer")
        self.assertEqual(call("MOVEVIEWER", 0, -20, 0), 0)
        self.assertEqual(call("JUMPVIEWER", 600, 600, 56, 0), 0)
        self.assertEqual(engine.FINDAREA(), -1)

    def test_frame_reaches_a_registered_window_surface(self):
        surface = (ctypes.c_uint32 * (320 * 200))()
        window = platform.RegisterWindowSurface(surface, 320, 200, 320 * 4)
        self.assertNotEqual(window, 0)
        self.assertEqual(platform.SelectObject(self.host.dc, self.host.bitmap), 0)
        self.assertEqual(platform.BitBlt(window, 0, 0, 320, 200, self.host.dc, 0, 0, SRCCOPY), 1)
        frame = self.host.frame()
        for offset in (0, 100 * 320 + 160, 199 * 320 + 5):
            i = frame[offset]
            self.assertEqual(surface[offset], 0xFF000000 | (255 - i) << 16 | ((i * 3) % 256) << 8 | i)
        platform.UnregisterWindowSurface(window)

    def test_empty_header_name_is_refused(self):
        empty = ctypes.c_void_p(platform.SysAllocStringByteLen(b"", 0))
        self.assertEqual(engine.INITVASKELL(ref(0), ctypes.byref(empty), ref(320), ref(200)), -1)
        platform.SysFreeString(empty)
        self.assertEqual(engine.FLUSHVASKELL(), 0)


def demo_world_header():
    header = os.path.join(BIN, "demo.hdr")
    if not os.path.exists(header):
        return None
    with open(header) as text:
        for line in text:
            key, _, value = line.partition("=")
            if key.strip().lower() == "map" and os.path.exists(os.path.join(BIN, value.strip())):
                return header
    return None


@unittest.skipUnless(demo_world_header(), "the demo world and its map are not built")
class DemoWorldTest(unittest.TestCase):
    def test_demo_world_renders_and_turns(self):
        with tempfile.TemporaryDirectory() as folder:
            os.chdir(folder)
            host = EngineHost(demo_world_header(), 320, 200)
            self.assertGreater(host.bitmap, 0)
            before = host.frame()
            self.assertGreater(len(set(before)), 8, "a textured frame")
            call("TURNVIEWER", 16)
            host.draw()
            self.assertNotEqual(before, host.frame())
            self.assertGreaterEqual(engine.FINDAREA(), -1)
            os.chdir("/")


if __name__ == "__main__":
    unittest.main()
