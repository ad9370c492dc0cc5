#!/usr/bin/env bash
# Benchmark of the comparison and the copy, beside their floors, in one run.
#   bash bench/run_bench.sh [FILES ...]     (default: 200000 files per side)
# For each size the trees are generated once (under $BENCH_DIR, default
# /tmp/mirvalen-bench). Every figure is a median of $RUNS runs (default 3) of
# a whole process, unpinned (as users run it: Wine and its server free to use
# both processors) and pinned (program and server on one processor):
#   - floors: a bare single-threaded FindFirstFileA walk of both trees, and two
#     such walks side by side (one process per tree)
#   - mirvalen-cli list, its ratio to the single-threaded walk, peak memory
#   - the window: from the click on リスト作成 to the shown list
#   - the copy of $SYNC_FILES small files (default 2000): a plain CopyFileA
#     loop, two such loops side by side over halves, mirvalen-cli sync (both
#     lists included) with the default pool and one copy at a time
#   - one large file ($BIG_MIB MiB, default 500): CopyFileA against the sync
#   - sync --verify against sync, on the small files and on the large file
#   - list --compare-content on two trees of the small files and the large
#     file, all of one size and content but other times, against a plain loop
#     that reads every byte of both trees once
# The program runs in a prefix of its own, so that tests running meanwhile do
# not share its server.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../scripts/setup-steps"
sizes=("$@"); [ ${#sizes[@]} -eq 0 ] && sizes=(200000)
bench_dir="${BENCH_DIR:-/tmp/mirvalen-bench}"
runs="${RUNS:-3}"
cpu="${BENCH_CPU:-0}"

cmake --build "$MIRVALEN_BUILD" --target mirvalen-cli mirvalen-walk mirvalen-window-bench -- --no-print-directory >/dev/null
cli="$MIRVALEN_BUILD/cli/mirvalen-cli.exe"
walk="$MIRVALEN_BUILD/bench/mirvalen-walk.exe"
window_bench="$MIRVALEN_BUILD/bench/mirvalen-window-bench.exe"

export WINEPREFIX="$MIRVALEN_BUILD/bench-prefix"
prepare_prefix
unset DISPLAY

# pin=1 runs the program and a server of its own on one processor.
server() {
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w 2>/dev/null || true
  if [ "$1" = 1 ]; then taskset -c "$cpu" "$WINESERVER" -p 60; else "$WINESERVER" -p 60; fi
}
run() { if [ "$pin" = 1 ]; then taskset -c "$cpu" "$WINE" "$@"; else "$WINE" "$@"; fi; }
winpath() { echo "Z:${1//\//\\}\\"; }
now() { date +%s.%N; }
median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
seconds() { local s; s=$(now); "$@" >/dev/null 2>&1 || true; echo "$(now) - $s" | bc; }
line() { printf '   %-46s %8.3f s   (runs: %s)\n' "$1" "$(echo "$2" | median)" "$2"; }
ratio() { echo "scale=2; $(echo "$1" | median) / $(echo "$2" | median)" | bc; }

for files in "${sizes[@]}"; do
  trees="$bench_dir/$files"
  if [ ! -f "$trees/.done" ]; then
    echo "== generating $files files per side in $trees"
    rm -rf "$trees"; mkdir -p "$trees"
    python3 "$here/make_trees.py" "$trees" "$files"
    touch "$trees/.done"
  fi
  base="$(winpath "$trees/base")"; target="$(winpath "$trees/target")"
  echo "== comparison: $(find "$trees/base" -type f | wc -l) base files, $(find "$trees/target" -type f | wc -l) target files"
  for pin in 0 1; do
    server "$pin"
    run "$walk" "$base" "$target" >/dev/null   # warm the caches
    walk1=""; walk2=""; list=""; window=""
    for r in $(seq "$runs"); do
      walk1+="$(seconds run "$walk" "$base" "$target") "
      s=$(now); run "$walk" "$base" >/dev/null & run "$walk" "$target" >/dev/null; wait; walk2+="$(echo "$(now) - $s" | bc) "
      s=$(now); run "$cli" list "$base" "$target" --timings >/dev/null 2>"$trees/timings"; list+="$(echo "$(now) - $s" | bc) "
      window+="$(run "$window_bench" "$base" "$target" | awk -F'\t' '{gsub(/ s/,"",$3); print $3}') "
    done
    echo "-- $([ "$pin" = 1 ] && echo "pinned to CPU $cpu" || echo "unpinned, as users run it")"
    line "floor: bare walk of both trees, one thread" "$walk1"
    line "floor: two bare walks side by side" "$walk2"
    line "mirvalen-cli list (whole process)" "$list"
    line "window: リスト作成 to the shown list" "$window"
    echo "   list / single-threaded walk: $(ratio "$list" "$walk1"); window / list: $(ratio "$window" "$list")"
    grep -E '^memory' "$trees/timings" | sed 's/^/   /'
  done
done

sync_files="${SYNC_FILES:-2000}"
copies="$bench_dir/copy-$sync_files"
if [ ! -d "$copies/source" ]; then
  mkdir -p "$copies/source"
  python3 - "$copies/source" "$sync_files" <<'PY'
import os, sys
for i in range(int(sys.argv[2])):
    with open(os.path.join(sys.argv[1], f"f{i:05d}.txt"), "wb") as f:
        f.write(b"x" * (i % 4096 + 1))
PY
fi
source_w="$(winpath "$copies/source")"
# Each copy starts on an empty folder, with the deletion of the last one's
# files written out first, so that no run pays for the one before it.
out() { local d="${1:-$copies/out}"; rm -rf "$d"; mkdir -p "$d"; sync; sleep 1; winpath "$d"; }
echo "== copying $sync_files small files"
for pin in 0 1; do
  server "$pin"
  plain=""; halves=""; pool=""; single=""; verified=""
  for r in $(seq "$runs"); do
    dest=$(out); plain+="$(seconds run "$walk" copy "$source_w" "$dest" "$sync_files") "
    dest=$(out); s=$(now)
    run "$walk" copy "$source_w" "$dest" $((sync_files / 2)) 0 >/dev/null &
    run "$walk" copy "$source_w" "$dest" $((sync_files - sync_files / 2)) $((sync_files / 2)) >/dev/null; wait
    halves+="$(echo "$(now) - $s" | bc) "
    dest=$(out); pool+="$(seconds run "$cli" sync --down "$source_w" "$dest") "
    dest=$(out); single+="$(seconds run "$cli" sync --down "$source_w" "$dest" --copy-workers 1) "
    dest=$(out); verified+="$(seconds run "$cli" sync --down --verify "$source_w" "$dest") "
  done
  echo "-- $([ "$pin" = 1 ] && echo "pinned to CPU $cpu" || echo "unpinned, as users run it")"
  line "floor: plain CopyFileA loop" "$plain"
  line "floor: two CopyFileA loops side by side" "$halves"
  line "mirvalen-cli sync, default pool" "$pool"
  line "mirvalen-cli sync --copy-workers 1" "$single"
  line "mirvalen-cli sync --verify" "$verified"
  echo "   sync / plain loop: $(ratio "$pool" "$plain"); sync --verify / sync: $(ratio "$verified" "$pool")"
done

big_mib="${BIG_MIB:-500}"
big="$bench_dir/big-$big_mib"
if [ ! -f "$big/source/big.bin" ]; then
  mkdir -p "$big/source"
  head -c "$((big_mib * 1024 * 1024))" /dev/urandom > "$big/source/big.bin"
fi
echo "== copying one file of $big_mib MiB"
for pin in 0 1; do
  server "$pin"
  plain=""; synced=""; verified=""
  for r in $(seq "$runs"); do
    dest=$(out "$big/out"); plain+="$(seconds run "$walk" copy "$(winpath "$big/source")" "$dest" 1) "
    dest=$(out "$big/out"); synced+="$(seconds run "$cli" sync --down "$(winpath "$big/source")" "$dest") "
    dest=$(out "$big/out"); verified+="$(seconds run "$cli" sync --down --verify "$(winpath "$big/source")" "$dest") "
  done
  echo "-- $([ "$pin" = 1 ] && echo "pinned to CPU $cpu" || echo "unpinned, as users run it")"
  line "plain CopyFileA" "$plain"
  line "mirvalen-cli sync" "$synced"
  line "mirvalen-cli sync --verify" "$verified"
  echo "   sync --verify / sync: $(ratio "$verified" "$synced")"
done
rm -rf "$big/out" "$copies/out"

# Both sides of one content with other times: every pair is read to its end.
contents="$bench_dir/contents-$sync_files-$big_mib"
if [ ! -f "$contents/.done" ]; then
  rm -rf "$contents"; mkdir -p "$contents/base" "$contents/target"
  cp -p "$copies/source/"* "$big/source/big.bin" "$contents/base/"
  cp "$copies/source/"* "$big/source/big.bin" "$contents/target/"
  touch "$contents/.done"
fi
echo "== comparing by content: $sync_files small files and one of $big_mib MiB per side"
for pin in 0 1; do
  server "$pin"
  run "$walk" read "$(winpath "$contents/base")" "$(winpath "$contents/target")" >/dev/null  # warm the caches
  reads=""; compared=""
  for r in $(seq "$runs"); do
    reads+="$(seconds run "$walk" read "$(winpath "$contents/base")" "$(winpath "$contents/target")") "
    compared+="$(seconds run "$cli" list --compare-content "$(winpath "$contents/base")" "$(winpath "$contents/target")") "
  done
  echo "-- $([ "$pin" = 1 ] && echo "pinned to CPU $cpu" || echo "unpinned, as users run it")"
  line "floor: read every byte of both trees once" "$reads"
  line "mirvalen-cli list --compare-content" "$compared"
  echo "   compare by content / reads: $(ratio "$compared" "$reads")"
done
"$WINESERVER" -k 2>/dev/null || true
