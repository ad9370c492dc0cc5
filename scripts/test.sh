#!/usr/bin/env bash
# Sets everything up (packages, build, Wine prefix) and runs every test under
# Wine, headless. Extra arguments go to ctest (e.g. -R Engine).
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
"$here/setup.sh"
source "$here/wine-env"
unset DISPLAY
cd "$MIRVALEN_BUILD"
ctest --timeout 120 -j "$(nproc)" --output-on-failure "$@"
