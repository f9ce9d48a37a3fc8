"""Runs kelvaro-cli as a user or a script would and checks it against the oracle.

Usage: cli_test.py COMMAND...   (the command that starts kelvaro-cli, with any
emulator in front of it)
"""
import os
import subprocess
import sys
import unittest

import oracle

COMMAND = sys.argv[1:]

THREE_LINES_EXPECTED = "(User / E-Mail, MasterPasswort, Applikation)"


def run(stdin_bytes, *arguments):
    return subprocess.run([*COMMAND, *arguments], input=stdin_bytes, capture_output=True, timeout=120)


class DerivesFromStandardInput(unittest.TestCase):
    def test_passwords_match_oracle(self):
        cases = [
            ("max@example.com", "Geheim123", "mail.example.com"),
            ("J\u00e4ger", "Stra\u00dfe", "\u00c4pp"),
            ("", "", ""),
            (" user ", "\U0001F600", "&amp;"),
        ]
        for user, master, application in cases:
            stdin = f"{user}\n{master}\n{application}\n".encode()
            result = run(stdin)
            with self.subTest(user=user):
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(result.stdout.decode(), oracle.password(user, master, application) + "\n")
                self.assertEqual(result.stderr, b"")

    def test_line_endings_and_byte_order_mark(self):
        expected = (oracle.password("u", "p", "a") + "\n").encode()
        for stdin in [b"u\np\na\n", b"u\r\np\r\na\r\n", b"u\np\na", b"\xef\xbb\xbfu\np\na\n"]:
            with self.subTest(stdin=stdin):
                result = run(stdin)
                self.assertEqual((result.returncode, result.stdout), (0, expected), result.stderr)


class RejectsBadInput(unittest.TestCase):
    def assert_rejected(self, result, message):
        self.assertEqual(result.returncode, 2)
        self.assertEqual(result.stdout, b"")
        self.assertIn(message, result.stderr.decode("utf-8"))

    def test_bad_input(self):
        cases = [
            (b"", "Zu wenige Zeilen"),
            (b"u\np\n", "gelesen: 2."),
            (b"u\np\na\nextra\n", "Zu viele Zeilen"),
            (b"u\np\xc3\na\n", "Ung\u00fcltiges UTF-8 in Zeile 2."),
            (b"u\np\n\xed\xa0\x80\n", "Ung\u00fcltiges UTF-8 in Zeile 3."),
        ]
        for stdin, message in cases:
            with self.subTest(stdin=stdin):
                self.assert_rejected(run(stdin), message)

    def test_unknown_argument(self):
        self.assert_rejected(run(b"u\np\na\n", "--master=geheim"), "Unbekanntes Argument: --master=geheim")
        self.assert_rejected(run(b"u\np\na\n", "--help", "--version"), "Unbekanntes Argument")


class InformationOptions(unittest.TestCase):
    def test_help(self):
        result = run(b"", "--help")
        self.assertEqual(result.returncode, 0)
        self.assertIn(b"Aufruf: kelvaro-cli", result.stdout)

    def test_version(self):
        result = run(b"", "--version")
        self.assertEqual(result.returncode, 0)
        self.assertRegex(result.stdout.decode(), r"^kelvaro-cli \d+\.\d+\.\d+\r?\n$")


@unittest.skipIf(os.name != "posix" or len(COMMAND) != 1, "needs a native executable and a pseudo terminal")
class AsksOnTerminal(unittest.TestCase):
    def test_prompts_and_hides_master_password(self):
        import pty

        pid, terminal = pty.fork()
        if pid == 0:
            os.execv(COMMAND[0], COMMAND)
        screen = b""

        def read_until(text):
            nonlocal screen
            while text not in screen:
                chunk = os.read(terminal, 1024)
                if not chunk:
                    self.fail(f"ended before {text!r}; screen: {screen!r}")
                screen += chunk

        read_until(b"User / E-Mail: ")
        os.write(terminal, "J\u00e4ger\n".encode())
        read_until(b"MasterPasswort: ")
        os.write(terminal, b"streng-geheim\n")
        read_until(b"Applikation: ")
        os.write(terminal, b"mail\n")
        expected = oracle.password("J\u00e4ger", "streng-geheim", "mail").encode()
        read_until(expected)
        _, status = os.waitpid(pid, 0)
        os.close(terminal)
        self.assertEqual(os.waitstatus_to_exitcode(status), 0)
        self.assertNotIn(b"streng-geheim", screen)
        self.assertIn("J\u00e4ger".encode(), screen)

    def test_three_lines_typed_ahead_are_all_used(self):
        # As when the three lines are pasted at once: switching echo off must
        # not discard the lines already waiting.
        import pty

        pid, terminal = pty.fork()
        if pid == 0:
            os.execv(COMMAND[0], COMMAND)
        os.write(terminal, b"u\np\na\n")
        expected = oracle.password("u", "p", "a").encode()
        screen = b""
        while expected not in screen:
            try:
                chunk = os.read(terminal, 1024)
            except OSError:  # the program ended and closed the terminal
                break
            if not chunk:
                break
            screen += chunk
        _, status = os.waitpid(pid, 0)
        os.close(terminal)
        self.assertIn(expected, screen)
        self.assertEqual(os.waitstatus_to_exitcode(status), 0)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]], verbosity=2)
