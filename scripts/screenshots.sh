#!/usr/bin/env bash
# PNGs of the windows in the states people look at, taken in Xvfb:
# the main window before and after a list in each direction, the progress
# popup at 50%, the options dialog, the exclusions dialog, the about box, the help window and the
# folder browser.
# Usage: scripts/screenshots.sh [folder]   (default build/screenshots)
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
"$here/setup.sh"
source "$here/wine-env"
out="$(realpath -m "${1:-$MIRVALEN_BUILD/screenshots}")"
mkdir -p "$out"
scenes="$MIRVALEN_BUILD/tests/scenes/scenes.exe"

display=""
for n in $(seq 90 99); do [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }; done
"$WINESERVER" -k 2>/dev/null || true
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'DISPLAY=$display "$WINESERVER" -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
sleep 1

shoot() {  # scene, window title
  MIRVALEN_DISPLAY="$display" "$here/wine-run" "$scenes" "$1" >/dev/null 2>&1 &
  local pid=$! window=""
  for _ in $(seq 1 60); do
    [ -z "$2" ] && { sleep 1; break; }
    window="$(DISPLAY=$display xdotool search --name "$2" 2>/dev/null | tail -1 || true)"
    [ -n "$window" ] && break
    sleep 0.5
  done
  sleep 2
  # Found again: a message box of the same caption may have come and gone meanwhile.
  [ -n "$2" ] && window="$(DISPLAY=$display xdotool search --name "$2" 2>/dev/null | tail -1 || true)"
  if [ -z "$2" ]; then  # a window without a caption: the screen, trimmed to it
    DISPLAY=$display import -window root -trim +repage "$out/$1.png" && echo "$out/$1.png"
  elif [ -n "$window" ]; then
    DISPLAY=$display import -window "$window" "$out/$1.png" && echo "$out/$1.png"
  else
    DISPLAY=$display import -window root "$out/$1.png" && echo "$out/$1.png (whole screen)"
  fi
  kill $pid 2>/dev/null || true
  DISPLAY=$display "$WINESERVER" -k 2>/dev/null || true
  sleep 0.5
}

for scene in main list-both list-down list-up; do shoot "$scene" '^Mirvalen$'; done
shoot progress ''
shoot options 'オプション'
shoot exclude '除外パターンとごみ箱'
shoot about 'Mirvalenのﾊﾞｰｼﾞｮﾝ情報'
shoot help 'ヘルプ'
shoot browser 'フォルダ'
