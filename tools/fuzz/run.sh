#!/bin/sh
# Build the decoder fuzz targets with clang and run each on its seed corpus
# for a bounded time (default 30 s each). Findings are written to
# build-fuzz/findings/; the script fails if any target crashed.
#   sh tools/fuzz/run.sh [seconds]
set -eu
seconds=${1:-30}
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$root/build-fuzz
cmake -S "$root/tools/fuzz" -B "$out" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$out" -j "$(nproc 2>/dev/null || echo 2)" > /dev/null
mkdir -p "$out/findings"
status=0
for target in png jpeg ogg; do
  work=$out/corpus-$target
  mkdir -p "$work"
  echo "fuzzing the $target decoder for $seconds s"
  if ! LSAN_OPTIONS="suppressions=$root/tools/fuzz/lsan.supp" "$out/fuzz-$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=10 \
      -artifact_prefix="$out/findings/$target-" -print_final_stats=1 \
      "$work" "$root/tools/fuzz/corpus/$target" > "$out/$target.log" 2>&1; then
    echo "the $target decoder failed; see $out/$target.log and $out/findings" >&2
    tail -n 30 "$out/$target.log" >&2
    status=1
  fi
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$out/$target.log" | sed "s/^/  /"
done
exit $status
