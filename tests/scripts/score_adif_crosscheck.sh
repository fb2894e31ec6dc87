#!/usr/bin/env bash
# The bundled example ADIF read by a third-party reader (adif-parser-ts from npm, installed by
# scripts/install-deps.sh) gives the same records, field for field, as our reader.
set -euo pipefail
src=$1 build=$2
example=$src/examples/sarnet-example.adi
modules=$src/build/tools/node_modules
if [ ! -e "$modules/adif-parser-ts/package.json" ]; then
  echo "adif-parser-ts is not in $modules: run scripts/install-deps.sh" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
NODE_PATH=$modules node -e '
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
