"""Writes the expected values of the derivation tests, computed by tests/oracle.py.

Output, one case per line, tab-separated:
  md5     <name> <byte pattern> <md5 hex>
  derive  <name> <user> <master> <application> <utf8 hex or -> <md5 hex> <password>
A text field is UTF-16 code units in hex, 4 digits each, optionally followed by
"*N" for N repetitions; "-" stands for the empty text. A byte pattern is
"<length>" for the bytes i % 251 (i = 0 .. length - 1).
"""
import hashlib
import sys

import oracle

MEBIBYTE = 1024 * 1024

# (name, user, master, application): each field a (units, repetitions) pair or a str.
DERIVATIONS = [
    ("all_empty", "", "", ""),
    ("plain_ascii", "max@example.com", "Geheim123", "mail.example.com"),
    ("boundary_ab_c", "ab", "c", "x"),
    ("boundary_a_bc", "a", "bc", "x"),
    ("only_user", "nutzer", "", ""),
    ("only_master", "", "nutzer", ""),
    ("only_application", "", "", "nutzer"),
    ("leading_space", " max", "pw", "app"),
    ("trailing_space", "max ", "pw", "app"),
    ("lower_case", "mail", "pw", "app"),
    ("upper_case", "Mail", "pw", "app"),
    ("umlaut_a", "J\u00e4ger", "Stra\u00dfe", "\u00c4pp"),
    ("euro_sign", "\u20ac", "pw", "app"),
    ("outside_bmp", "\U0001F600", "pw", "app"),
    ("pair_split_across_fields", "user\ud83d", "\ude00pw", "app"),
    ("lone_high_surrogate", "a\ud800b", "pw", "app"),
    ("lone_low_surrogate", "a\udc00b", "pw", "app"),
    ("lone_high_surrogate_at_end", "user", "pw", "app\udbff"),
    ("reversed_pair", "\ude00\ud83d", "pw", "app"),
    ("replacement_character_itself", "a\ufffdb", "pw", "app"),
    ("composed_a_umlaut", "\u00e4", "pw", "app"),
    ("decomposed_a_umlaut", "a\u0308", "pw", "app"),
    ("control_characters", "\t\u0001", "\u007f", "\u0080"),
    # 55 to 65 bytes of UTF-8: the lengths where MD5 padding changes shape.
    *[(f"utf8_length_{n}", "u" * (n - 2), "p", "a") for n in range(55, 66)],
    ("multi_megabyte", ("\u00e4", 3 * MEBIBYTE), "m" * 1000, ("x", MEBIBYTE)),
]

MD5_LENGTHS = [*range(0, 200), 1000, 4095, 4096, 4097, MEBIBYTE + 3]


def expand(field):
    return field[0] * field[1] if isinstance(field, tuple) else field


def units_of(text):
    raw = text.encode("utf-16-le", "surrogatepass")
    return [int.from_bytes(raw[i:i + 2], "little") for i in range(0, len(raw), 2)]


def encode_field(field):
    text, repetitions = field if isinstance(field, tuple) else (field, 1)
    if text == "":
        return "-"
    units = "".join(f"{u:04x}" for u in units_of(text))
    return units if repetitions == 1 else f"{units}*{repetitions}"


def pattern_bytes(length):
    return bytes(i % 251 for i in range(length))


def main(output_path):
    with open(output_path, "w", encoding="ascii", newline="\n") as out:
        for length in MD5_LENGTHS:
            digest = hashlib.md5(pattern_bytes(length)).hexdigest()
            out.write(f"md5\tpattern_{length}\t{length}\t{digest}\n")
        for name, *fields in DERIVATIONS:
            user, master, application = (expand(f) for f in fields)
            encoded = oracle.utf8(user + master + application)
            utf8_hex = encoded.hex() if len(encoded) < 4096 else "-"
            columns = [
                "derive", name, *(encode_field(f) for f in fields), utf8_hex,
                hashlib.md5(encoded).hexdigest(), oracle.password(user, master, application),
            ]
            out.write("\t".join(columns) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
