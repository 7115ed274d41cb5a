#!/usr/bin/env bash
# Fails when a file of a lower floor includes a header of a higher one.
# Floors, lowest first: core, editor, frame, then panels, build and services (one
# floor). The composition root src/program_parts.* stands above them all.
set -u
src="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../src" && pwd)}"
cd "$src" || exit 1
grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][a-z_]+/' core editor frame panels build services \
    --include='*.h' --include='*.cpp' 2>/dev/null |
awk '
BEGIN { rank["core"] = 0; rank["editor"] = 1; rank["frame"] = 2; rank["panels"] = 3; rank["build"] = 3; rank["services"] = 3 }
{
    split($0, f, ":"); file = f[1]; line = f[2]
    split(file, p, "/"); from = p[1]
    text = substr($0, length(file) + length(line) + 3)
    sub(/^[ \t]*#[ \t]*include[ \t]*["<]/, "", text); split(text, t, "/"); to = t[1]
    if ((to in rank) && rank[to] > rank[from]) {
        printf "layering: %s:%s includes %s/ from the lower floor %s/\n", file, line, to, from > "/dev/stderr"; bad = 1
    }
}
END {
    if (bad) exit 1
    print "layering: every include goes to the same floor or a lower one"
}'
