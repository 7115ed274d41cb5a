#!/usr/bin/env bash
# Find in files over a generated tree of about 1 GB of source-like files, next to
# grep -rF and rg -F on the same tree in the same run (all page-cached: each runs
# once before it is timed). Usage: bash bench/find_in_files.sh [TREE_FOLDER]
# (default /tmp/ovrik_fif_tree; kept for the next run).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$here/scripts/wine-env.sh"
tree="${1:-/tmp/ovrik_fif_tree}"
needle="ovrik_rare_marker"

if [ ! -f "$tree/.complete" ]; then
    echo "making the tree in $tree ..."
    rm -rf "$tree"
    python3 - "$tree" "$needle" <<'PY'
import os, random, sys
root, needle = sys.argv[1], sys.argv[2]
random.seed(7)
words = ["int", "return", "const", "static", "void", "struct", "if", "else", "for", "while", "std::string",
         "value", "count", "buffer", "index", "result", "window", "message", "handle", "length", "//", "{", "}",
         "(", ")", ";", "=", "+", "->", "nullptr", "true", "false", "size_t", "auto", "template", "class"]
lines = []
for i in range(20000):
    n = random.randint(0, 14)
    indent = " " * (4 * random.randint(0, 3))
    lines.append(indent + " ".join(random.choice(words) for _ in range(n)) + "\n")
block = "".join(lines).encode()
target, written, files = 1 << 30, 0, 0
while written < target:
    folder = os.path.join(root, "d%03d" % (files // 200), "s%d" % (files % 4))
    os.makedirs(folder, exist_ok=True)
    size = random.randint(8 << 10, 96 << 10)
    start = random.randint(0, len(block) - size - 1)
    data = bytearray(block[start:start + size])
    if files % 37 == 0:
        at = data.find(b"\n", len(data) // 2) + 1
        data[at:at] = ("    call(%s);\n" % needle).encode()
    with open(os.path.join(folder, "f%06d.cpp" % files), "wb") as out:
        out.write(data)
    written += len(data)
    files += 1
open(os.path.join(root, ".complete"), "w").close()
print("%d files, %d MB" % (files, written >> 20))
PY
fi

ovrik_build_all >/dev/null
ovrik_prepare_prefix
ovrik_start_xvfb
# One persistent server for every Wine program below, so that its processor time
# can be read: under Wine each file opened, read and closed costs requests to this
# one single-threaded process.
wineserver -f -p &
wineserver_pid=$!
trap 'kill "$ovrik_xvfb_pid" "$wineserver_pid" 2>/dev/null || true' EXIT
sleep 0.5
# A server already running for the prefix is the one the programs use.
kill -0 "$wineserver_pid" 2>/dev/null || wineserver_pid=$(pgrep -n wineserver)
server_cpu_ms() {  # user + system time of the wineserver so far
    awk -v hz="$(getconf CLK_TCK)" '{print int(($14 + $15) * 1000 / hz)}' "/proc/$wineserver_pid/stat"
}

mb=$(du -sm --apparent-size "$tree" | cut -f1)
time_it() {  # prints the best of three page-cached runs in seconds
    "$@" >/dev/null 2>&1 || true
    local best=
    for _ in 1 2 3; do
        local start end
        start=$(date +%s.%N); "$@" >/dev/null 2>&1 || true; end=$(date +%s.%N)
        best=$(python3 -c "b='$best'; t=$end-$start; print(t if not b else min(float(b), t))")
    done
    echo "$best"
}
echo "== the floor: a Windows program that only walks, opens, reads and closes the files"
"$here/scripts/wine-run.sh" "$ovrik_build/bench/bench_read_floor.exe" "Z:${tree//\//\\}" "$needle"
echo "== find in files"
cpu_before=$(server_cpu_ms); wall_before=$(date +%s%N)
"$here/scripts/wine-run.sh" "$ovrik_build/bench/bench_find_in_files.exe" "Z:${tree//\//\\}" "$needle" 3
cpu_after=$(server_cpu_ms); wall_after=$(date +%s%N)
echo "wineserver busy $(( cpu_after - cpu_before )) ms of the $(( (wall_after - wall_before) / 1000000 )) ms the searches took"
for tool in "grep -rF" "rg -F"; do
    seconds=$(time_it $tool "$needle" "$tree")
    python3 -c "print('$tool: %.3f s, %.0f MB/s' % ($seconds, $mb / $seconds))"
done
rg -j1 -F "$needle" "$tree" >/dev/null
seconds=$(time_it rg -j1 -F "$needle" "$tree")
python3 -c "print('rg -F -j1 (one thread): %.3f s, %.0f MB/s' % ($seconds, $mb / $seconds))"
