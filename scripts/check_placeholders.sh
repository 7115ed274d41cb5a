#!/usr/bin/env bash
# Fails while anything of the program is still a stand-in: a pending_ file, an include
# of one, or the greying of commands that have no handler yet.
set -u
src="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../src" && pwd)}"
cd "$src" || exit 1
bad=0
files=$(find . -name 'pending_*' | sort)
if [ -n "$files" ]; then
    echo "placeholders: stand-in files remain:" >&2; echo "$files" >&2; bad=1
fi
if grep -rnE '#[[:space:]]*include[[:space:]]*"[a-z_/]*pending_' . --include='*.h' --include='*.cpp' --include='*.rc' >&2; then
    echo "placeholders: the includes above name stand-in files" >&2; bad=1
fi
if grep -rn 'IsPendingCommand' . >&2; then
    echo "placeholders: commands are still greyed for want of a handler" >&2; bad=1
fi
[ "$bad" = 0 ] && echo "placeholders: none left"
exit "$bad"
