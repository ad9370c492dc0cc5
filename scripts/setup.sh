#!/usr/bin/env bash
# Brings a Debian machine to the point where Mirvalen builds and runs:
# packages, the Japanese locale, the build, and the Wine prefix in build/.
# Idempotent: a second run only rebuilds what changed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env"

PACKAGES=(g++-mingw-w64-x86-64 wine64 locales fonts-ipafont-gothic fonts-wine cmake googletest
          xvfb imagemagick xdotool)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "== installing: ${missing[*]}"
  local sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

ensure_locale() {
  locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' && return
  echo "== generating the ja_JP.UTF-8 locale"
  local sudo=""; [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
}

build() {
  if [ ! -f "$MIRVALEN_BUILD/CMakeCache.txt" ]; then
    cmake -S "$MIRVALEN_ROOT" -B "$MIRVALEN_BUILD" \
      -DCMAKE_TOOLCHAIN_FILE="$MIRVALEN_ROOT/cmake/mingw-w64-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  # Progress lines are dropped; warnings and errors stay.
  cmake --build "$MIRVALEN_BUILD" -j "$(nproc)" -- --no-print-directory 2>&1 | { grep -v -E '^\[ *[0-9]+%\]' || true; }
}

prepare_prefix() {
  local stamp="$WINEPREFIX/.mirvalen-prefix"
  [ -f "$stamp" ] && return
  echo "== preparing the Wine prefix in $WINEPREFIX"
  unset DISPLAY
  "$WINE" wineboot -u >/dev/null 2>&1 || true
  reg() { "$WINE" reg add "$@" /f >/dev/null 2>&1; }
  reg 'HKCU\Software\Wine\Drivers' /v Graphics /d 'x11,null'
  reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N
  reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
  local subst='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  for f in 'ＭＳ Ｐゴシック' 'MS UI Gothic' 'MS PGothic'; do reg "$subst" /v "$f" /d IPAPGothic; done
  for f in 'ＭＳ ゴシック' 'MS Gothic'; do reg "$subst" /v "$f" /d IPAGothic; done
  "$WINESERVER" -w
  touch "$stamp"
}

install_packages
ensure_locale
build
prepare_prefix
