"""Deriving, copying and ending in the real kelvaro.exe, with real keystrokes,
clicks and clipboard. Expected passwords come from tests/oracle.py."""
import subprocess
import unittest

from harness import (PROBE_EXE, ProgramTestCase, error_boxes, oracle, probe, set_x_clipboard_text, wait_until,
                     windows_clipboard, x_clipboard_text, xdotool)

ASTERISKS = "*" * 17
CF_UNICODETEXT = 13


def utf16_with_terminator(text):
    return text.encode("utf-16-le") + b"\0\0"


class Deriving(ProgramTestCase):
    def test_typed_texts_with_umlauts_give_the_oracles_password_on_the_clipboard(self):
        # xdotool types upper-case umlauts as lower case under Wine: lower case only.
        user, master, application = "j\u00e4ger@example.com", "Stra\u00dfe \u20ac1", "\u00fcbersicht-\u00f6l"
        self.window.fill_in(user, master, application)
        expected = oracle.password(user, master, application)
        self.assertEqual(self.window.derive(), expected)
        # The fields keep their texts, and nothing went to the clipboard yet.
        self.assertEqual([self.window.edit(i)["text"] for i in range(3)], [user, master, application])

        self.window.click(self.window.copy_button())
        self.assertEqual(wait_until(lambda: x_clipboard_text() == expected, "the password on the X clipboard"), True)
        formats, text = windows_clipboard()
        self.assertEqual(text, utf16_with_terminator(expected))
        self.assertIn(CF_UNICODETEXT, formats)
        self.assertEqual(error_boxes(), [])

    def test_deriving_twice_shows_the_same_password(self):
        self.window.fill_in("a", "b", "c")
        first = self.window.derive()
        self.window.click(self.window.button("Mein Passwort"))
        self.assertEqual(self.window.shown_password(), first)
        self.assertEqual(first, oracle.password("a", "b", "c"))

    def test_ampersand_in_a_password_is_shown_as_it_is(self):
        application = next(f"app{n}" for n in range(1000) if "&" in oracle.password("u", "m", f"app{n}"))
        self.window.fill_in("u", "m", application)
        expected = oracle.password("u", "m", application)
        self.assertEqual(self.window.derive(), expected)
        self.window.click(self.window.copy_button())
        wait_until(lambda: x_clipboard_text() == expected, "the password with & on the clipboard")


class Copying(ProgramTestCase):
    def test_copy_before_any_derivation_leaves_an_empty_text(self):
        set_x_clipboard_text("vorher")
        wait_until(lambda: windows_clipboard()[1] == utf16_with_terminator("vorher"), "the earlier clipboard")
        self.window.click(self.window.copy_button())
        wait_until(lambda: windows_clipboard()[1] == b"\0\0", "an empty text on the clipboard")
        self.assertEqual(self.window.shown_password(), ASTERISKS)
        self.assertEqual(error_boxes(), [])

    def test_copy_after_changing_a_field_copies_the_shown_password(self):
        self.window.fill_in("user", "master", "app")
        shown = self.window.derive()
        self.window.type_into(2, "-changed")
        self.window.click(self.window.copy_button())
        wait_until(lambda: x_clipboard_text() == shown, "the shown password on the clipboard")
        self.assertEqual(shown, oracle.password("user", "master", "app"))
        self.assertEqual(self.window.shown_password(), shown)

    def test_clipboard_held_by_another_program(self):
        self.window.fill_in("user", "master", "app")
        password = self.window.derive()
        set_x_clipboard_text("vorher")
        wait_until(lambda: windows_clipboard()[1] == utf16_with_terminator("vorher"), "the earlier clipboard")

        holder = subprocess.Popen(["wine", PROBE_EXE, "hold-clipboard", "6"], stdout=subprocess.PIPE, text=True)
        self.addCleanup(holder.stdout.close)
        self.assertEqual(holder.stdout.readline().strip(), "holding")
        self.window.click(self.window.copy_button())
        boxes = wait_until(error_boxes, "the error box")
        reason = probe("system-message", "5").rstrip("\r\n.")  # ERROR_ACCESS_DENIED
        self.assertEqual(boxes, [{"caption": "kelvaro", "owner_class": "TFormKelvaroWin",
                                  "text": f"Zwischenablage {reason} kann nicht ge\u00f6ffnet werden."}])
        xdotool("key", "Return")
        wait_until(lambda: error_boxes() == [], "the error box to close")
        holder.wait(timeout=30)

        # Nothing was taken from the clipboard, and the window carries on.
        self.assertEqual(windows_clipboard()[1], utf16_with_terminator("vorher"))
        self.assertTrue(self.program.running())
        self.assertEqual(self.window.shown_password(), password)
        self.window.click(self.window.copy_button())
        wait_until(lambda: x_clipboard_text() == password, "the password after the retry")
        self.assertEqual(error_boxes(), [])


class Keyboard(ProgramTestCase):
    def test_enter_and_space_click_the_focused_button(self):
        self.assertEqual(self.window.focused()["text"], "Mein Passwort")
        xdotool("key", "Return")
        # All fields empty: MD5 of nothing (RFC 1321), mapped by hand.
        wait_until(lambda: self.window.shown_password() == "eD0|nA8%zY9*", "the password of three empty fields")

        self.window.type_into(2, "x")
        xdotool("key", "Tab")
        wait_until(lambda: self.window.refresh().focused()["text"] == "Mein Passwort", "the focus on the button")
        xdotool("key", "space")
        wait_until(lambda: self.window.shown_password() == oracle.password("", "", "x"), "the password after Space")

        xdotool("key", "Tab")
        wait_until(lambda: self.window.refresh().focused()["text"] == "Ende", "the focus on Ende")
        xdotool("key", "Return")
        self.assertEqual(self.program.wait_for_exit(), 0)


class Ending(ProgramTestCase):
    def setUp(self):
        pass  # a program for each way to end, started below

    def test_every_way_to_end_exits_0_and_leaves_the_password(self):
        def click_ende(window):
            window.click(window.button("Ende"))

        def click_close_box(window):
            xdotool("mousemove", *map(str, window.data["close_box"]), "click", "1")

        def press_alt_f4(_):
            xdotool("key", "alt+F4")

        for end in [click_ende, click_close_box, press_alt_f4]:
            with self.subTest(end=end.__name__):
                self.start()
                self.window.fill_in("user", end.__name__, "app")
                password = self.window.derive()
                self.window.click(self.window.copy_button())
                wait_until(lambda: x_clipboard_text() == password, "the password on the clipboard")
                end(self.window.refresh())
                self.assertEqual(self.program.wait_for_exit(), 0)
                self.assertEqual(x_clipboard_text(), password)
                self.assertEqual(password, oracle.password("user", end.__name__, "app"))

if __name__ == "__main__":
    unittest.main(verbosity=2)
