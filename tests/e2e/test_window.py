"""The real kelvaro.exe: its window, its start-up and its ways to end."""
import unittest

from harness import (BROKEN_EXE, KelvaroWindow, ProgramTestCase, RunningProgram, error_boxes, kelvaro_windows,
                     wait_until, x_windows_named, xdotool)


class Window(ProgramTestCase):
    def test_one_window_captioned_kelvaro_centred_with_its_client_size(self):
        self.assertEqual(len(kelvaro_windows()), 1)
        self.assertEqual(len(x_windows_named("Kelvaro")), 1)
        window = self.window.data
        self.assertEqual(window["caption"], "Kelvaro")
        self.assertEqual(window["client"], [602, 380])
        left, top, right, bottom = window["window"]
        width, height = window["screen"]
        self.assertLessEqual(abs(left - (width - right)), 1)
        self.assertLessEqual(abs(top - (height - bottom)), 1)

    def test_focus_starts_on_mein_passwort(self):
        focused = [child["text"] for child in self.window.children if child.get("focused")]
        self.assertEqual(focused, ["Mein Passwort"])


class Ending(ProgramTestCase):
    def test_close_box_ends_with_exit_code_0(self):
        x, y = self.window.data["close_box"]
        xdotool("mousemove", str(x), str(y), "click", "1")
        self.assertEqual(self.program.wait_for_exit(), 0)
        self.assertEqual(error_boxes(), [])

    def test_alt_f4_ends_with_exit_code_0(self):
        xdotool("key", "alt+F4")
        self.assertEqual(self.program.wait_for_exit(), 0)
        self.assertEqual(error_boxes(), [])


SW_HIDE, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED, SW_SHOWMINNOACTIVE = 0, 2, 3, 7


class ShowRequests(unittest.TestCase):
    def test_maximised_minimised_or_else_normal(self):
        cases = [(SW_SHOWMAXIMIZED, True, False), (SW_SHOWMINNOACTIVE, False, True),
                 (SW_SHOWMINIMIZED, False, False), (SW_HIDE, False, False)]
        for show_request, maximized, minimized in cases:
            with self.subTest(show_request=show_request):
                program = RunningProgram(show_request=show_request)
                try:
                    window = KelvaroWindow().data
                    self.assertEqual((window["maximized"], window["minimized"]), (maximized, minimized))
                finally:
                    program.stop()


class BrokenDefinition(unittest.TestCase):
    def test_error_box_then_exit_code_1(self):
        program = RunningProgram(BROKEN_EXE)
        self.addCleanup(program.stop)
        boxes = wait_until(error_boxes, "the error box")
        self.assertEqual(len(boxes), 1)
        # The title comes from the executable's name, not from the window.
        self.assertEqual(boxes[0]["caption"], "kelvaro_broken_definition")
        self.assertEqual(boxes[0]["text"], "Fehler in der Fensterdefinition TFormKelvaroWin, Zeile 4 "
                                           "(LabelPW): unbekannte Eigenschaft Captoin.")
        self.assertEqual(kelvaro_windows(), [])
        xdotool("key", "Return")
        self.assertEqual(program.wait_for_exit(), 1)


if __name__ == "__main__":
    unittest.main(verbosity=2)
