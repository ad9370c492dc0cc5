#!/usr/bin/env bash
# Starts Mirvalen on a private Xvfb display and writes a PNG of its main window.
# Usage: scripts/screenshot.sh [out.png] [seconds to wait before the shot]
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/wine-env"
out="$(realpath -m "${1:-$MIRVALEN_BUILD/mirvalen.png}")"
wait_seconds="${2:-4}"

display=""
for n in $(seq 90 99); do
  [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }

"$WINESERVER" -k 2>/dev/null || true   # a headless server must not serve the X run
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'DISPLAY=$display "$WINESERVER" -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
sleep 1

MIRVALEN_DISPLAY="$display" "$here/wine-run" "$MIRVALEN_BUILD/mirvalen.exe" >/dev/null 2>&1 &
window=""
for _ in $(seq 1 60); do
  window="$(DISPLAY=$display xdotool search --name '^Mirvalen$' 2>/dev/null | head -1 || true)"
  [ -n "$window" ] && break
  sleep 0.5
done
[ -n "$window" ] || { echo "the Mirvalen window did not appear" >&2; exit 1; }
sleep "$wait_seconds"
DISPLAY=$display import -window "$window" "$out"
echo "screenshot: $out"
