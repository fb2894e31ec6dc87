#!/usr/bin/env bash
# The example log and its expected summary are exactly what the seeded generator makes.
set -euo pipefail
src=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$src/examples/generate_example.py" --out "$work"
cmp "$work/sarnet-example.adi" "$src/examples/sarnet-example.adi"
cmp "$work/sarnet-example.expected.txt" "$src/examples/sarnet-example.expected.txt"
echo "example files are up to date"
