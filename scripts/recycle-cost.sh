#!/usr/bin/env bash
# What the Recycle Bin costs per replaced file: syncs N older target files
# (default 1000) from newer base files, once with the old versions going to the
# bin and once with --no-recycle, and prints the copy time of each (the
# --timings figure of mirvalen-cli). The trash is kept in the build folder.
set -euo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/wine-env"
unset DISPLAY
n="${1:-1000}"
work="$MIRVALEN_BUILD/recycle-cost"
export XDG_DATA_HOME="$work/trash-home"
cli="$MIRVALEN_BUILD/cli/mirvalen-cli.exe"

prepare() {
    rm -rf "$work/base" "$work/target" "$XDG_DATA_HOME"
    mkdir -p "$work/base" "$work/target" "$XDG_DATA_HOME"
    for i in $(seq 1 "$n"); do
        echo "old $i" > "$work/target/f$i.txt"
        echo "new $i" > "$work/base/f$i.txt"
    done
    touch -d "2010-01-01 00:00:00" "$work"/target/*
    touch -d "2011-01-01 00:00:00" "$work"/base/*
}

run() { # label, extra flags
    local label="$1"
    shift
    prepare
    # Files, not pipes: Wine's helper processes may hold a pipe open long after.
    "$WINE" "$cli" sync --down --timings "$@" "Z:$work/base" "Z:$work/target" >/dev/null 2>"$work/err" </dev/null || true
    local line
    line="$(grep -a -m1 $'timing\tsync' "$work/err" || true)"
    local trashed
    trashed="$(ls "$XDG_DATA_HOME/Trash/files" 2>/dev/null | wc -l || true)"
    echo "$label: $line (in the trash: $trashed)"
}

# One server for all runs, started by a run whose streams go nowhere: a cold
# server's helpers would otherwise hold the pipe of the first measured run.
"$WINESERVER" -p 60 </dev/null >/dev/null 2>&1 || true # already running: fine
"$WINE" "$cli" --help >/dev/null 2>&1 </dev/null
run "to the bin  "
run "--no-recycle" --no-recycle
run "to the bin  "
run "--no-recycle" --no-recycle
rm -rf "$work"
