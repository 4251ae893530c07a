#!/bin/bash
# Side by side: `pravelo-cli render --layers C1` of the 10,000-object benchmark board against
# gerbv drawing a Gerber of the same C1 copper, both anti-aliased, same dpi, same picture size.
# Needs gerbv (Debian package gerbv) and a configured build folder; builds the two programs it
# runs. Prints the best wall-clock and CPU times of RUNS alternating runs and their ratios.
#   bench/render_vs_gerbv.sh [BUILD_FOLDER] [DPI]      (defaults: build, 300; RUNS=5)
set -eu

build=${1:-build}
dpi=${2:-300}
runs=${RUNS:-5}

if ! command -v gerbv >/dev/null; then
  echo "gerbv is not installed (apt-get install gerbv)" >&2
  exit 1
fi
cmake --build "$build" --target pravelo-cli write_render_inputs >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
size=$("$build/bench/write_render_inputs" "$work" "$dpi")
# gerbv takes the window in inches; half a pixel more keeps it from rounding one pixel short.
window=$(echo "$size" | awk -F x -v dpi="$dpi" '{ printf "%.6fx%.6f", ($1 + 0.5) / dpi, ($2 + 0.5) / dpi }')

ours=("$build/src/cli/pravelo-cli" render "$work/board.pvb6" -o "$work/ours.png" --dpi "$dpi"
  --layers C1)
theirs=(gerbv -x png -a -D "$dpi" -B 0 -O 0x0 -W "$window" -o "$work/gerbv.png" "$work/c1.gbr")

# Prints "wall cpu" in seconds for one run of the command.
timed() {
  local TIMEFORMAT='%R %U %S'
  { time "$@" >/dev/null 2>&1; } 2>&1 | awk '{ print $1, $2 + $3 }'
}

for _ in $(seq "$runs"); do
  echo ours $(timed "${ours[@]}")
  echo gerbv $(timed "${theirs[@]}")
done | awk -v size="$size" -v dpi="$dpi" -v runs="$runs" '
  !($1 in wall) || $2 < wall[$1] { wall[$1] = $2 }
  !($1 in cpu) || $3 < cpu[$1] { cpu[$1] = $3 }
  END {
    printf "C1 copper of 10,000 objects at %s dpi, %s pixels; best of %s runs\n", dpi, size, runs
    printf "%-22s %8s %8s\n", "", "wall s", "cpu s"
    printf "%-22s %8.3f %8.3f\n", "pravelo-cli render", wall["ours"], cpu["ours"]
    printf "%-22s %8.3f %8.3f\n", "gerbv", wall["gerbv"], cpu["gerbv"]
    printf "%-22s %7.1fx %7.1fx\n", "gerbv / pravelo-cli", wall["gerbv"] / wall["ours"],
           cpu["gerbv"] / cpu["ours"]
  }'
