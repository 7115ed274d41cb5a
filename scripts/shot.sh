#!/usr/bin/env bash
# Takes screenshots of GUI tests: runs one test executable under Xvfb with a
# gtest filter; every test that calls HoldForScreenshot("name") is captured
# to build/shots/name.png while it holds its windows on screen.
#   scripts/shot.sh build/tests/suite/editor_tests.exe 'LexerCatalogue.*'
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"
ovrik_prepare_prefix
exe="$1"
filter="${2:-*}"
out="$ovrik_build/shots"
mkdir -p "$out"
trap '[ -n "${ovrik_xvfb_pid:-}" ] && kill "$ovrik_xvfb_pid" 2>/dev/null || true' EXIT
ovrik_start_xvfb
OVRIK_HOLD_MS="${OVRIK_HOLD_MS:-1500}" wine "$exe" --gtest_filter="$filter" | while IFS= read -r line; do
    printf '%s\n' "$line"
    case "$line" in
        OVRIK_SCREENSHOT\ *)
            name="${line#OVRIK_SCREENSHOT }"
            name="${name%$'\r'}"
            sleep 0.5
            import -window root "$out/$name.png"
            echo "shot: $out/$name.png" ;;
    esac
done
