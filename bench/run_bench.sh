#!/usr/bin/env bash
# Benchmark of the make-list engine against its floor and its peers.
#   bash bench/run_bench.sh [FILES ...]     (default: 20000 200000 files per side)
# For each size: generates the trees once (under $BENCH_DIR, default
# /tmp/mirvalen-bench), then times, three runs each, median shown:
#   - mirvalen-cli list --timings (per step, files/s, peak memory)
#   - a bare FindFirstFileA walk of both trees (the floor)
#   - xcopy /L /D /E /I /Y under Wine (a peer on the same layer)
#   - rsync -rnu both ways, natively
# and then the copy cost: $SYNC_FILES small files (default 1000) copied by a
# plain CopyFileA loop and by mirvalen-cli sync --down (the fail-safe copy).
# Every Wine program and its wineserver run pinned to one CPU, in a prefix of
# their own so that tests running meanwhile do not share the server.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../scripts/wine-env"
sizes=("$@"); [ ${#sizes[@]} -eq 0 ] && sizes=(20000 200000)
bench_dir="${BENCH_DIR:-/tmp/mirvalen-bench}"
cpu="${BENCH_CPU:-0}"

command -v rsync >/dev/null || { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq rsync >/dev/null; }
cmake --build "$MIRVALEN_BUILD" --target mirvalen-cli mirvalen-walk mirvalen-window-bench -- --no-print-directory >/dev/null
cli="$MIRVALEN_BUILD/cli/mirvalen-cli.exe"
walk="$MIRVALEN_BUILD/bench/mirvalen-walk.exe"
window_bench="$MIRVALEN_BUILD/bench/mirvalen-window-bench.exe"

export WINEPREFIX="$MIRVALEN_BUILD/bench-prefix"
[ -d "$WINEPREFIX" ] || taskset -c "$cpu" "$WINE" wineboot -u >/dev/null 2>&1
"$WINESERVER" -k 2>/dev/null || true
taskset -c "$cpu" "$WINESERVER" -p 60
pinned() { taskset -c "$cpu" "$WINE" "$@"; }
winpath() { echo "Z:${1//\//\\}\\"; }
now() { date +%s.%N; }
median() { sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

for files in "${sizes[@]}"; do
  trees="$bench_dir/$files"
  if [ ! -f "$trees/.done" ]; then
    echo "== generating $files files per side in $trees"
    rm -rf "$trees"; mkdir -p "$trees"
    python3 "$here/make_trees.py" "$trees" "$files"
    touch "$trees/.done"
  fi
  base="$(winpath "$trees/base")"; target="$(winpath "$trees/target")"
  nbase=$(find "$trees/base" -type f | wc -l); ntarget=$(find "$trees/target" -type f | wc -l)
  echo "== $files: base $nbase files, target $ntarget files"
  pinned "$walk" "$base" "$target" >/dev/null   # warm the caches

  walks=(); lists=(); xcopies=(); rsyncs=()
  for run in 1 2 3; do
    t=$(pinned "$walk" "$base" "$target" | awk -F'\t' '{gsub(/ s/,"",$4); s+=$4} END {print s}')
    walks+=("$t")
    pinned "$cli" list "$base" "$target" --timings >/dev/null 2>"$trees/timings.$run"
    lists+=("$(awk -F'\t' '$2=="total" {gsub(/ s/,"",$3); print $3}' "$trees/timings.$run")")
    start=$(now); pinned xcopy /L /D /E /I /Y "$base" "$target" >/dev/null 2>&1 || true; end=$(now)
    xcopies+=("$(echo "$end - $start" | bc)")
    start=$(now)
    rsync -rnu --out-format= "$trees/base/" "$trees/target/" >/dev/null
    rsync -rnu --out-format= "$trees/target/" "$trees/base/" >/dev/null
    end=$(now)
    rsyncs+=("$(echo "$end - $start" | bc)")
  done
  walk_m=$(printf '%s\n' "${walks[@]}" | median)
  list_m=$(printf '%s\n' "${lists[@]}" | median)
  xcopy_m=$(printf '%s\n' "${xcopies[@]}" | median)
  rsync_m=$(printf '%s\n' "${rsyncs[@]}" | median)
  echo "-- mirvalen-cli list --timings (last run)"
  sed 's/^/   /' "$trees/timings.3"
  printf '   %-34s %8.3f s  (runs: %s)\n' "make-list without the window" "$list_m" "${lists[*]}"
  printf '   %-34s %8.3f s  (runs: %s)\n' "bare FindFirstFileA walk, both" "$walk_m" "${walks[*]}"
  printf '   %-34s %8.3f s  (runs: %s)\n' "xcopy /L /D /E /I /Y (Wine)" "$xcopy_m" "${xcopies[*]}"
  printf '   %-34s %8.3f s  (runs: %s)\n' "rsync -rnu both ways (native)" "$rsync_m" "${rsyncs[*]}"
  # The window's result list, shown by the null display driver (no X needed).
  (unset DISPLAY; pinned "$window_bench" "$base" "$target") | awk -F'\t' '{printf "   %-34s %8s  (%s rows, %s)\n", "result list shows the rows", $3, $2, $4}'
  printf '   ratio to the bare walk %.2f, xcopy is %.1fx slower, rsync %.2fx of our time\n' \
    "$(echo "$list_m / $walk_m" | bc -l)" "$(echo "$xcopy_m / $list_m" | bc -l)" "$(echo "$rsync_m / $list_m" | bc -l)"
done

sync_files="${SYNC_FILES:-1000}"
copies="$bench_dir/copy-$sync_files"
rm -rf "$copies"; mkdir -p "$copies/source" "$copies/plain" "$copies/safe"
python3 - "$copies/source" "$sync_files" <<'PY'
import os, sys
for i in range(int(sys.argv[2])):
    with open(os.path.join(sys.argv[1], f"f{i:05d}.txt"), "wb") as f:
        f.write(b"x" * (i % 4096 + 1))
PY
echo "== copying $sync_files small files"
pinned "$walk" copy "$(winpath "$copies/source")" "$(winpath "$copies/plain")" "$sync_files" | sed 's/^/   plain CopyFileA loop: /'
pinned "$cli" sync --down "$(winpath "$copies/source")" "$(winpath "$copies/safe")" --timings 2>&1 >/dev/null \
  | awk -F'\t' '$2=="sync" {gsub(/ s/,"",$3); printf "   mirvalen-cli sync:    %s files\t%.3f s (less the 0.5 s closing pause: %.3f s)\n", $4+0, $3, $3-0.5}'
"$WINESERVER" -k 2>/dev/null || true
