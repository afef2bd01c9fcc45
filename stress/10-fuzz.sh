#!/usr/bin/env bash
# libFuzzer over the form decoding and the request state for a bounded time
# (FUZZ_SECONDS, 60 by default), built with clang and the sanitizers in
# build-fuzz/. Any crash, sanitizer report or failed check stops the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${FUZZ_SECONDS:-60}

"$root/tools/ensure-packages" clang libclang-rt-14-dev
CXX=clang++ cmake -S "$root/fuzz" -B "$root/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build-fuzz" -j"${JOBS:-2}" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$root"/fuzz/seeds/* "$work/corpus/"
cd "$work"
if ! "$root/build-fuzz/form_fuzz" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
        -print_final_stats=1 "$work/corpus" >"$work/log" 2>&1; then
    tail -n 60 "$work/log"
    echo "FAIL: the fuzzer found a fault (input kept as $(ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* 2>/dev/null | head -1))"
    cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$root/build-fuzz/" 2>/dev/null || true
    exit 1
fi
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
units=$(ls "$work/corpus" | wc -l)
echo "fuzz: $runs inputs in ${seconds}s over the form decoding and request state, corpus of $units, no fault"
