"""Validates one JSON document on standard input against a definition of
docs/pacewisectl.schema.json; prints the first error and exits 1 when it
does not match."""
import json
import sys

import jsonschema

schema_path, definition = sys.argv[1], sys.argv[2]
with open(schema_path, encoding="utf-8") as schema_file:
    schema = json.load(schema_file)
document = json.load(sys.stdin)
subschema = dict(schema, **{"$ref": "#/$defs/" + definition})
validator = jsonschema.Draft202012Validator(subschema, format_checker=jsonschema.FormatChecker())
errors = sorted(validator.iter_errors(document), key=lambda error: list(error.path))
if errors:
    print(f"{list(errors[0].path)}: {errors[0].message}")
    sys.exit(1)
