#!/usr/bin/env bash
# Builds the fuzz targets with clang 16 and runs each one over a seed corpus
# made from the shipped data files, three targets at a time.
#   fuzz/smoke.sh [LIMIT [TARGET...]]
# LIMIT is the seconds per target (default 10) or a libFuzzer option such as
# -runs=500000; TARGET names such as project or curves (default: all).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
limit=${1:-10}
[ $# -gt 0 ] && shift
case "$limit" in
  -*) ;;
  *) limit="-max_total_time=$limit" ;;
esac
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fieldreader defaults wood config bmpath defname modelfile
                                     project support curves infotext infolists loading)
build="$root/build-fuzz"
CC=clang-16 CXX=clang++-16 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVESK_FUZZ=ON -DVESK_BENCH=OFF >/dev/null
cmake --build "$build" --target vesk_fuzz -j 3

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
zeros() { head -c "$1" /dev/zero; }
data="$root/data"
seed defaults "$data/defaults.txt"
seed wood "$data/wooddat.txt"
seed config "$data/config.txt"
seed infolists "$data/config.txt"
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
# First byte of a loading-model input: the model number plus 1, bit 5 metric.
seed loading "$data/engcrib.dat" '\x02'
seed loading "$data/yieldcol.dat" '\x23'
seed loading "$data/cable.dat" '\x01'
# First byte of an information-text input: bit 0 whole-number headings, the
# rest the section (signed).
seed infotext "$data/consider.txt" '\x02'
seed infotext "$data/mfg.txt" '\x05'
# A support of type 1 with empty texts; a project holding it; a curve file of
# two curves without points.
{ printf '%-64s\x01\x00' 'Support'; zeros 8080; } >"$work/support.sup"
seed support "$work/support.sup"
{ zeros 526; printf '\x01\x00'; cat "$work/support.sup"; printf '%-64s' 'Project'; } >"$work/project.pro"
seed project "$work/project.pro"
{ printf '\x03\x00\x02\x00'; zeros 696; } >"$work/grcurves.bin"
seed curves "$work/grcurves.bin"

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
run() {  # run TARGET: its last lines of output in $work/TARGET.log
  if "$build/fuzz/fuzz_$1" "$limit" -max_len=65536 -print_final_stats=1 "$work/$1" >"$work/$1.log" 2>&1; then
    echo "== fuzz_$1: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$1.log" | grep -o '[0-9]*$') runs, no finding"
  else
    echo "== fuzz_$1 FAILED"; tail -n 40 "$work/$1.log"
    return 1
  fi
}
export -f run
export build work limit
# Findings (crash-*, leak-*, timeout-*) land in the current folder.
printf '%s\n' "${targets[@]}" | xargs -P 3 -I{} bash -c 'run {}'
