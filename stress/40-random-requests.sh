#!/usr/bin/env bash
# Random whole-program requests on the sanitizer build for a bounded time
# (RANDOM_SECONDS, 60 by default; STRESS_SEED repeats a run).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/ensure-packages" python3
python3 "$root/stress/random_requests.py" "${ZRP_BUILD:-$root/build-sanitize}" "${RANDOM_SECONDS:-60}"
