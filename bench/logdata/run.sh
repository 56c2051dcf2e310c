#!/bin/bash
# Builds the Release benchmark programs, generates the two-year site of 64
# series at 5 minutes, and prints the figures of the log manager: open,
# range load and export timings, the pandas comparison, peak memory of
# opening the site, and the data files' sizes.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${BUILD:-build-logdata-rel}
work=${WORK:-/tmp/stallminder-bench}
mkdir -p "$work"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSM_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target logdata_bench logdata_make_site smtool >/dev/null
site="$work/site"
[ -f "$site/site.ini" ] || "$build/bench/logdata/logdata_make_site" "$site" 730 64 300

echo "== data files"
ls "$site"/*.smd | wc -l | sed 's/^/files: /'
du -sb "$site" | cut -f1 | sed 's/^/bytes: /'
ls -l "$site"/*.smd | awk '{s+=$5; if ($5>m) m=$5} END {printf "mean file: %d bytes, largest: %d bytes\n", s/NR, m}'

echo "== benchmarks"
SM_BENCH_SITE="$site" "$build/bench/logdata/logdata_bench" --benchmark_min_time=1

echo "== export against pandas"
/usr/bin/python3 bench/logdata/pandas_compare.py "$build/src/tools/smtool" "$site" "$work"

echo "== peak memory of opening the site (smtool span)"
STALLMINDER_REGISTRY="$work/registry.ini" XDG_DATA_HOME="$work/share" \
  /usr/bin/time -v "$build/src/tools/smtool" span "$site" 2>&1 | grep -E "Maximum resident|start|20[0-9][0-9]-"
echo "== files read when opening (strace)"
if command -v strace >/dev/null; then
  STALLMINDER_REGISTRY="$work/registry.ini" XDG_DATA_HOME="$work/share" \
    strace -f -e trace=openat "$build/src/tools/smtool" span "$site" 2>&1 | grep -c '\.smd"' | sed 's/^/data files opened: /'
fi
