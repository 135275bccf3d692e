#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each one for a few seconds over
# a seed corpus made from the shipped data files.
#   fuzz/smoke.sh [seconds per target, default 10]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-10}
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVESK_FUZZ=ON -DVESK_BENCH=OFF >/dev/null
cmake --build "$build" --target vesk_fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
seed() {  # seed TARGET FILE [PREFIX-BYTE]
  mkdir -p "$work/$1"
  if [ $# -ge 3 ]; then
    { printf "$3"; cat "$2"; } >"$work/$1/$(basename "$2").$3"
  else
    cp "$2" "$work/$1/"
  fi
}
data="$root/data"
seed defaults "$data/defaults.txt"
seed wood "$data/wooddat.txt"
seed config "$data/config.txt"
seed defname "$data/defname.txt"
printf '/opt/vesk/bitmaps\r\n0,1\r\n' >"$work/bmpath.txt"
seed bmpath "$work/bmpath.txt"
for f in "$data"/*.txt "$data"/*.dat; do seed fieldreader "$f"; done
# First byte of a model-file input: bit 2 full read, bit 1 cable layout, bit 0 Eastern.
for f in "$data"/engcrib.dat "$data"/yieldcol.dat; do
  seed modelfile "$f" '\x05'
  seed modelfile "$f" '\x10'
done
seed modelfile "$data/cable.dat" '\x07'
seed modelfile "$data/cable.dat" '\x0a'

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
for t in fieldreader defaults wood config bmpath defname modelfile; do
  echo "== fuzz_$t"
  "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=65536 -print_final_stats=0 \
    "$work/$t" 2>&1 | tail -n 3
done
