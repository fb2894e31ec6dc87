#!/usr/bin/env bash
# The bundled example ADIF read by a third-party reader (adif-parser-ts from npm) gives the
# same records, field for field, as our reader.
set -euo pipefail
src=$1 build=$2
example=$src/examples/sarnet-example.adi
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  echo "SKIPPED: node and npm are not installed (scripts/install-deps.sh installs them)"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! (cd "$work" && npm install --silent --no-audit --no-fund adif-parser-ts@0.7.7 >/dev/null 2>&1); then
  echo "SKIPPED: adif-parser-ts cannot be installed from the npm registry"
  exit 0
fi
NODE_PATH=$work/node_modules node -e '
const {AdifParser} = require("adif-parser-ts"), fs = require("fs");
const parsed = AdifParser.parseAdi(fs.readFileSync(process.argv[1], "latin1"));
for (const r of parsed.records) console.log(JSON.stringify(r));
' "$example" >"$work/theirs.jsonl"
"$build/bin/score_adif_dump" "$example" >"$work/ours.jsonl"
python3 - "$work/theirs.jsonl" "$work/ours.jsonl" <<'PY'
import json, sys
theirs = [json.loads(l) for l in open(sys.argv[1])]
ours = [json.loads(l) for l in open(sys.argv[2])]
if len(theirs) != len(ours):
    sys.exit(f"record counts differ: adif-parser-ts {len(theirs)}, ours {len(ours)}")
for n, (a, b) in enumerate(zip(theirs, ours), 1):
    if a != b:
        sys.exit(f"record {n} differs:\n  adif-parser-ts {a}\n  ours           {b}")
print(f"{len(ours)} records read alike")
PY
