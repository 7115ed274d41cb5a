#!/usr/bin/env bash
# Runs a Windows program of the build under Wine with the project's prefix
# (ctest uses this as its emulator; DISPLAY must name an X server for GUI tests).
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
ovrik_prepare_prefix
exec wine "$@"
