#!/bin/bash
# The whole program as a user meets it: launch to window, launch to idle with a 5 MB and a
# 50 MB page, Ctrl+End on the 50 MB page, and peak memory, measured by the shared launch
# script under Xvfb side by side with the floor (a bare window holding one editor widget, built
# with the benchmarks) and peer editors. Medians of RUNS alternating runs.
#
# usage: bench/whole_program.sh [PROGRAM]   (default build/src/quillmark)
# env:   RUNS (default 3), PEERS (default "geany kate", those installed; "none" for none),
#        FLOOR (default bench/floor_window of the program's build),
#        LAUNCH (default ../shared/bench/launch.sh beside the checkout)
set -u
here=$(cd "$(dirname "$0")" && pwd)
prog=${1:-$here/../build/src/quillmark}
launch=${LAUNCH:-$here/../../shared/bench/launch.sh}
runs=${RUNS:-3}
peers=${PEERS:-${PEER:-geany kate}}
floor=${FLOOR:-$(dirname "$prog")/../bench/floor_window}

note() { echo "whole-program figures skipped: $*"; exit 0; }
[ -x "$prog" ] || note "no program at $prog"
[ -x "$launch" ] || note "no launch script at $launch"
[ -n "${DISPLAY:-}" ] || command -v Xvfb >/dev/null || note "no X server and no Xvfb"
for tool in xdotool xdpyinfo gcc python3; do
  command -v "$tool" >/dev/null || note "$tool is not installed"
done

pages=${TMPDIR:-/tmp}/quillmark-bench-pages
mkdir -p "$pages"
gen=$(dirname "$launch")/gen_html.py
for size in 5 50; do
  [ -s "$pages/big$size.html" ] || python3 "$gen" "${size}M" "$pages/big$size.html" >/dev/null ||
    note "cannot generate the test pages"
done

# Prints the median of the numbers on stdin.
median() { sort -g | awk '{v[NR]=$1} END {if (NR) print v[int((NR+1)/2)]; else print "-"}'; }
# The value of one field of launch.sh's output line.
field() { tr ' ' '\n' | sed -n "s/^$1=//p"; }

once() { # label program file jump window-title
  WINNAME=$5 JUMP=$4 TIMEOUT=600 "$launch" "$2" $3 >>"$work/$1" 2>/dev/null
}
report() { # label
  local out="$work/$1" idle
  idle=$(field settle_s <"$out" | median)
  case $idle in -*) idle="-" ;; esac # measured only with a file
  printf '%-28s map %6ss  idle %6ss  peak %5s MiB' "$1" \
    "$(field map_s <"$out" | median)" "$idle" \
    "$(( $(field hwm_kb <"$out" | median | cut -d. -f1) / 1024 ))"
  if grep -q jump_end_settle_s "$out"; then
    printf '  Ctrl+End idle %6ss' "$(field jump_end_settle_s <"$out" | median)"
  fi
  echo
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "Whole program, medians of $runs runs, $(nproc) cores (targets: 5 MB idle 0.4 s;"
echo "50 MB idle 1.0 s, peak 200 MiB, Ctrl+End idle again 0.3 s):"
who=(quillmark)
[ -x "$floor" ] && who+=(floor)
for p in $peers; do
  [ "$p" != none ] && command -v "$p" >/dev/null && who+=("$p")
done
for round in "start||0" "5 MB|$pages/big5.html|0" "50 MB + Ctrl+End|$pages/big50.html|1"; do
  IFS='|' read -r name file jump <<<"$round"
  [ "$name" = start ] && name="start, no file"
  for ((i = 0; i < runs; i++)); do
    for w in "${who[@]}"; do
      case $w in
      quillmark) once "$w, $name" "$prog" "$file" "$jump" "Quillmark -" ;;
      floor) once "$w, $name" "$floor" "$file" "$jump" "Floor -" ;;
      *) once "$w, $name" "$w" "$file" "$jump" "" ;;
      esac
    done
  done
  for w in "${who[@]}"; do report "$w, $name"; done
done
