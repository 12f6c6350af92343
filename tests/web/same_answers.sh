#!/usr/bin/env bash
# The WebAssembly module and the desktop's engines answer a corpus of
# designs drawn with a fixed seed byte for byte alike.
# Usage: same_answers.sh NATIVE_ANSWERER WASM_FOLDER SETS_CSV [COUNT]
set -euo pipefail
native=$1 wasm=$2 sets=$3 count=${4:-400}
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/design_corpus.py" --seed 24 --count "$count" --sets "$sets" >"$work/requests"
"$native" <"$work/requests" >"$work/native"
node "$here/answer_lines.mjs" "$wasm" <"$work/requests" >"$work/wasm"
python3 - "$work" <<'PY'
import json, sys
work = sys.argv[1]
requests = open(f"{work}/requests", encoding="utf-8").read().splitlines()
native = open(f"{work}/native", encoding="utf-8").read().splitlines()
wasm = open(f"{work}/wasm", encoding="utf-8").read().splitlines()
assert len(native) == len(requests) == len(wasm), (len(requests), len(native), len(wasm))
differing = 0
for number, (request, ours, theirs) in enumerate(zip(requests, native, wasm), 1):
    if ours == theirs:
        continue
    differing += 1
    a, b = json.loads(ours), json.loads(theirs)
    for key in sorted(set(a) | set(b)):
        if a.get(key) != b.get(key):
            x, y = json.dumps(a.get(key)), json.dumps(b.get(key))
            at = next((i for i in range(min(len(x), len(y))) if x[i] != y[i]), min(len(x), len(y)))
            print(f"design {number}, {key}: native …{x[max(0, at - 60):at + 40]}…")
            print(f"{' ' * len(f'design {number}, {key}: ')}wasm   …{y[max(0, at - 60):at + 40]}…")
print(f"{len(requests) - differing} of {len(requests)} designs answered alike")
sys.exit(1 if differing else 0)
PY
