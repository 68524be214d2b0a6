#!/usr/bin/env python3
"""Validates inventory documents against docs/inventory.schema.json (JSON Schema draft 2020-12).

    check_inventory_schema.py FILE...

Each file must be UTF-8 without a byte-order mark and valid against the schema; the exit status is 0 when
every file is, 1 otherwise (each fault printed), 2 when the validator itself is missing.
"""
import json
import pathlib
import sys

try:
    import jsonschema
except ImportError:
    print("check_inventory_schema: python3-jsonschema is not installed (tools/install_deps.sh)", file=sys.stderr)
    sys.exit(2)

SCHEMA = pathlib.Path(__file__).resolve().parent.parent / "docs" / "inventory.schema.json"


def main(paths):
    schema = json.loads(SCHEMA.read_text(encoding="utf-8"))
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema, format_checker=jsonschema.FormatChecker())
    faults = 0
    for path in paths:
        data = pathlib.Path(path).read_bytes()
        if data.startswith(b"\xef\xbb\xbf"):
            print(f"{path}: starts with a byte-order mark")
            faults += 1
            continue
        try:
            document = json.loads(data.decode("utf-8"))
        except (UnicodeDecodeError, json.JSONDecodeError) as error:
            print(f"{path}: not a UTF-8 JSON document: {error}")
            faults += 1
            continue
        for error in sorted(validator.iter_errors(document), key=lambda e: list(e.absolute_path)):
            location = "/".join(str(part) for part in error.absolute_path) or "(document)"
            print(f"{path}: {location}: {error.message}")
            faults += 1
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1:]))
