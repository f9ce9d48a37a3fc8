"""An independent derivation of Kelvaro passwords, for tests only.

Written separately from the C++ code: Python's own UTF-8 codec, hashlib's MD5
and the character tables typed in again from the description of the mapping.
"""
import hashlib
import re

TABLES = [
    "abcdefghijklmnopqrstuvwxyz",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "0123456789",
    "!@#$%^&*()_+{}|:\"<>?-=[]\\;.,/",
]
assert [len(t) for t in TABLES] == [26, 26, 10, 29]

_LONE_SURROGATE = re.compile("[\ud800-\udfff]")


def as_utf16_text(text):
    """The str that UTF-16 code units make: a high surrogate followed by a low
    one becomes one character, as in the program's UTF-16 strings, where
    concatenation can join halves from two fields. Python's str does not."""
    return text.encode("utf-16-le", "surrogatepass").decode("utf-16-le", "surrogatepass")


def utf8(text):
    """UTF-8 of UTF-16 text; each lone surrogate becomes U+FFFD."""
    return _LONE_SURROGATE.sub("\ufffd", as_utf16_text(text)).encode("utf-8")


def password_from_digest(digest):
    return "".join(TABLES[i % 4][digest[i] % len(TABLES[i % 4])] for i in range(12))


def password(user, master, application):
    return password_from_digest(hashlib.md5(utf8(user + master + application)).digest())
