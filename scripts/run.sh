#!/usr/bin/env bash
# Sets everything up (packages, build, Wine prefix) and starts Mirvalen on the
# user's display. Without a display it runs Mirvalen in Xvfb and saves a
# screenshot of its window instead.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
"$here/setup.sh"
source "$here/wine-env"
if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
  "$WINESERVER" -k 2>/dev/null || true
  MIRVALEN_DISPLAY="$DISPLAY" exec "$here/wine-run" "$MIRVALEN_BUILD/mirvalen.exe" "$@"
fi
echo "no display: running Mirvalen in Xvfb for a screenshot"
exec "$here/screenshot.sh" "$MIRVALEN_BUILD/mirvalen.png"
