#!/usr/bin/env bash
# 32 parallel writers (registrations, picks saves, comments) on the sanitizer
# build, checked for lost or doubled records.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/ensure-packages" python3
python3 "$root/stress/parallel_writers.py" "${ZRP_BUILD:-$root/build-sanitize}"
