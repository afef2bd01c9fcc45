#!/usr/bin/env bash
# The load run: lighttpd serves a 1,000-player pool on 127.0.0.1 and five wrk
# at once send a mix of pages over 64 connections, one wrk per page (login
# screen, LOGIN, THISWEEK, SCOREBOARD, USERPICS2) so that each page's latencies
# are its own; every answer is checked and one error page fails the run.
# LOAD_SECONDS (60), LOAD_PORT (8290), LOAD_PLAYERS (1000), ZRP_BUILD (build-bench);
# ZRP_BENCH_PROGRAM runs another build of the program instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZRP_BUILD:-$root/build-bench}
port=${LOAD_PORT:-8290}
seconds=${LOAD_SECONDS:-60}
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
pages=("login screen" LOGIN THISWEEK SCOREBOARD USERPICS2)
connections=(13 13 13 13 12)
runs=()
for i in "${!pages[@]}"; do
    LOAD_PAGE=${pages[$i]} wrk -t1 -c"${connections[$i]}" -d"${seconds}s" --timeout 40s \
        -s "$root/bench/load_mix.lua" "http://127.0.0.1:$port/" > "$work/wrk-$i.txt" &
    runs+=($!)
done
wait "${runs[@]}"
echo
echo "| page | answers | failed | p50 ms | p99 ms | max ms | answers/s |"
echo "|---|---:|---:|---:|---:|---:|---:|"
grep -h '^| ' "$work"/wrk-*.txt | tee "$work/table.md"
[ "$(grep -c '' "$work/table.md")" -eq "${#pages[@]}" ] && ! awk -F'|' '$4 + 0 != 0' "$work/table.md" | grep -q .
