"""Writes picture files into a window definition as hex data.

Usage: embed-pictures.py DEFINITION Object.Property=FILE ...
The property must already be present in the object, as "Property = { ... }".
"""
import re
import sys


def embed(text, object_name, property_name, data):
    start = re.search(rf"^\s*object {re.escape(object_name)}:", text, re.M)
    if not start:
        sys.exit(f"no object {object_name}")
    prop = re.compile(rf"^(\s*){re.escape(property_name)} = \{{[^}}]*\}}", re.M)
    match = prop.search(text, start.end())
    if not match:
        sys.exit(f"no property {property_name} in {object_name}")
    indent = match.group(1).strip("\n")
    hex_text = data.hex().upper()
    lines = [indent + "  " + hex_text[i:i + 64] for i in range(0, len(hex_text), 64)]
    block = f"{match.group(1)}{property_name} = {{\n" + "\n".join(lines) + "}"
    return text[:match.start()] + block + text[match.end():]


def main():
    path, *assignments = sys.argv[1:]
    with open(path, encoding="utf-8") as f:
        text = f.read()
    for assignment in assignments:
        target, file_name = assignment.split("=")
        object_name, property_name = target.split(".", 1)
        with open(file_name, "rb") as f:
            text = embed(text, object_name, property_name, f.read())
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
