"""The built executables read back: kelvaro.exe's resources, and the kind of
program and the DLLs that kelvaro.exe and kelvaro-cli.exe import.

Usage: executable_test.py KELVARO_EXE KELVARO_CLI_EXE
Needs wrestool and icotool (icoutils) and the mingw-w64 objdump.
"""
import os
import re
import struct
import subprocess
import sys
import tempfile
import unittest

EXE, CLI_EXE = (sys.argv[1:3] + ["", ""])[:2]

# DLLs that every 64-bit Windows has in its system folder.
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "ole32.dll", "comctl32.dll",
               "msimg32.dll", "advapi32.dll", "shell32.dll", "windowscodecs.dll"}


def resource(type_id, name):
    return subprocess.run(["wrestool", "-x", "--raw", f"--type={type_id}", f"--name={name}", EXE],
                          capture_output=True, check=True).stdout


def parse_version_block(data, offset=0):
    """One VS_VERSIONINFO-style block: (key, value bytes, children, length)."""
    length, value_length, value_type = struct.unpack_from("<HHH", data, offset)
    end_of_key = offset + 6
    while data[end_of_key:end_of_key + 2] != b"\0\0":
        end_of_key += 2
    key = data[offset + 6:end_of_key].decode("utf-16-le")
    position = (end_of_key + 2 + 3) & ~3
    value_size = value_length * 2 if value_type == 1 else value_length
    value = data[position:position + value_size]
    position = (position + value_size + 3) & ~3
    children = []
    while position < offset + length:
        child = parse_version_block(data, position)
        children.append(child)
        position = (position + child[3] + 3) & ~3
    return key, value, children, length


class VersionInformation(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = parse_version_block(resource(16, 1))

    def test_fixed_part(self):
        key, value, _, _ = self.root
        self.assertEqual(key, "VS_VERSION_INFO")
        (signature, _, file_ms, file_ls, product_ms, product_ls, _, flags, os_kind, file_type,
         _, _, _) = struct.unpack("<13I", value)
        self.assertEqual(signature, 0xFEEF04BD)
        self.assertEqual((file_ms, file_ls), (0x00010000, 0))  # 1.0.0.0
        self.assertEqual((product_ms, product_ls), (0x00010000, 0))
        self.assertEqual(flags, 0)
        self.assertEqual(os_kind, 0x00000004)  # VOS__WINDOWS32
        self.assertEqual(file_type, 0x00000001)  # VFT_APP

    def test_strings_and_translation(self):
        children = {child[0]: child for child in self.root[2]}
        tables = children["StringFileInfo"][2]
        self.assertEqual([table[0] for table in tables], ["040904E4"])
        strings = {entry[0]: entry[1].decode("utf-16-le").rstrip("\0") for entry in tables[0][2]}
        self.assertEqual(strings["FileDescription"], "kelvaro")
        self.assertEqual(strings["FileVersion"], "1.0.0.0")
        self.assertEqual(strings["ProductName"], "kelvaro")
        self.assertEqual(strings["ProductVersion"], "1.0.0.0")
        self.assertRegex(strings["ProgramID"], r"^[a-z0-9]+(\.[a-z0-9]+)*\.kelvaro$")
        translation = children["VarFileInfo"][2][0]
        self.assertEqual(translation[0], "Translation")
        self.assertEqual(struct.unpack("<HH", translation[1]), (0x0409, 0x04E4))


class Manifest(unittest.TestCase):
    def test_dpi_controls_privileges_and_systems(self):
        text = resource(24, 1).decode("utf-8")
        self.assertIn("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
                      text)
        self.assertIn(">PerMonitorV2</dpiAwareness>", text)
        self.assertRegex(text, r'name="Microsoft\.Windows\.Common-Controls" version="6\.0\.0\.0"\s+'
                               r'processorArchitecture="\*" publicKeyToken="6595b64144ccf1df" language="\*"')
        self.assertIn('<requestedExecutionLevel level="asInvoker" uiAccess="false"/>', text)
        # Windows Vista, 7, 8, 8.1 and 10 by their published identifiers.
        self.assertEqual(sorted(re.findall(r'<supportedOS Id="\{([0-9a-f-]+)\}"/>', text)), sorted([
            "e2011457-1546-43c5-a5fe-008deee3d3f0", "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
            "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "1f676c76-80e1-4239-95bb-83d0f6d0da78",
            "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"]))


class Icon(unittest.TestCase):
    def test_one_48_pixel_image_with_alpha(self):
        with tempfile.TemporaryDirectory() as folder:
            icon = os.path.join(folder, "main.ico")
            subprocess.run(["wrestool", "-x", "--type=group_icon", "--name=MAINICON", "-o", icon, EXE], check=True)
            listing = subprocess.run(["icotool", "-l", icon], capture_output=True, text=True, check=True).stdout
        self.assertEqual(listing.split(), ["--icon", "--index=1", "--width=48", "--height=48", "--bit-depth=32",
                                           "--palette-size=0"])


class Program(unittest.TestCase):
    def test_64_bit_windows_programs(self):
        for exe, subsystem in [(EXE, 2), (CLI_EXE, 3)]:  # windows GUI, console
            with self.subTest(exe=exe), open(exe, "rb") as f:
                header = f.read(4096)
            self.assertEqual(header[:2], b"MZ")
            pe = struct.unpack_from("<I", header, 0x3C)[0]
            self.assertEqual(header[pe:pe + 4], b"PE\0\0")
            self.assertEqual(struct.unpack_from("<H", header, pe + 4)[0], 0x8664)  # x86-64
            optional = pe + 24
            self.assertEqual(struct.unpack_from("<H", header, optional)[0], 0x20B)  # PE32+
            self.assertEqual(struct.unpack_from("<H", header, optional + 68)[0], subsystem)

    def test_only_windows_system_dlls(self):
        for exe in [EXE, CLI_EXE]:
            with self.subTest(exe=exe):
                dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", exe], capture_output=True, text=True,
                                      check=True).stdout
                imported = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
                self.assertTrue(imported)
                self.assertLessEqual(imported, SYSTEM_DLLS)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
