#!/usr/bin/env bash
# Builds and runs the open benchmark (bench/open.cpp) under Wine: ovrik.exe opening a
# generated 50 MB C++ file (UTF-8, ANSI, UTF-16) and a tiny one, next to the floor
# program, medians of 5 alternate runs and their ratios. Starts a private Xvfb when
# there is no display.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../scripts/wine-env.sh"
cmake --build "$ovrik_build" -j"${OVRIK_JOBS:-$(nproc)}" --target bench_open >/dev/null
ovrik_prepare_prefix
if [ -z "${DISPLAY:-}" ]; then
    trap '[ -n "${ovrik_xvfb_pid:-}" ] && kill "$ovrik_xvfb_pid" 2>/dev/null || true' EXIT
    ovrik_start_xvfb
fi
wine "$ovrik_build/bench/bench_open.exe"
