#!/usr/bin/env bash
# The load run: lighttpd serves a 1,000-player pool on 127.0.0.1 and wrk sends
# a mix of pages (login screen, LOGIN, THISWEEK, SCOREBOARD, USERPICS2) over 64
# connections; every answer is checked and one error page fails the run.
# LOAD_SECONDS (20), LOAD_PORT (8290), LOAD_PLAYERS (1000), ZRP_BUILD (build-bench);
# ZRP_BENCH_PROGRAM runs another build of the program instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZRP_BUILD:-$root/build-bench}
port=${LOAD_PORT:-8290}
seconds=${LOAD_SECONDS:-20}
export LOAD_PLAYERS=${LOAD_PLAYERS:-1000}
work=$build/load
rm -rf "$work"
mkdir -p "$work/pool"
"$build/make_pool" "$work/pool" "$LOAD_PLAYERS"
cp "${ZRP_BENCH_PROGRAM:-$build/zrp}" "$work/pool/zrp.cgi"
chmod 755 "$work/pool/zrp.cgi"
sed -e "s|@PORT@|$port|g" -e "s|@POOL@|$work/pool|g" -e "s|@DEMO@|$work|g" \
    "$root/demo/lighttpd.conf.in" > "$work/lighttpd.conf"
lighttpd -D -f "$work/lighttpd.conf" &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
    sleep 0.1
done
echo "$LOAD_PLAYERS players, 64 connections, $seconds s"
wrk -t2 -c64 -d"${seconds}s" --timeout 40s --latency -s "$root/bench/load_mix.lua" "http://127.0.0.1:$port/" |
    tee "$work/wrk.txt"
grep -q "failed: 0$" "$work/wrk.txt"
