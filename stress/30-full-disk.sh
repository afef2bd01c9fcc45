#!/usr/bin/env bash
# Runs each writing request on a pool in a small tmpfs that is full but for
# 0, 1, 2 ... pages, until the request goes through. Every answer must match
# what the files show: the error page names the full disk ("Disk full",
# number 61) and nothing changed, or the ordinary page and every change made.
# No work file stays behind, the activity log keeps whole records, and once
# room is made the same request ends as on an empty disk. Needs root (mount).
set -euo pipefail
. "$(dirname "$0")/lib/pool.sh"
. "$(dirname "$0")/lib/cases.sh"
if [ "$(id -u)" -ne 0 ]; then
    echo "skipped: mounting a tmpfs needs root"
    exit 0
fi

WORK=$(mktemp -d /tmp/zrp-full-XXXXXX)
DISK=$WORK/disk
mkdir -p "$DISK"
mount -t tmpfs -o size=2m,mode=700 zrp-stress "$DISK"
trap 'umount "$DISK"; rm -rf "$WORK"' EXIT
export ZRP_PAGES=$WORK
PAGE=4096
deadline=$((SECONDS + ${ZRP_STRESS_SECONDS:-600}))
readonly FULL='<PRE>Disk full Error Number =  61</PRE>'
runs=0 refused=0

# Fills the disk to the last byte, then frees the given number of pages.
fill_but() {
    dd if=/dev/zero of="$DISK/filler" bs=64k status=none 2>/dev/null || true
    truncate -s $(( $(stat -c %s "$DISK/filler") - $1 * PAGE )) "$DISK/filler" 2>/dev/null ||
        rm -f "$DISK/filler"
}

for entry in "${CASES[@]}"; do
    prepare_case "$entry"
    pool=$DISK/pool
    free=0
    while :; do
        [ $SECONDS -lt $deadline ] || fault "out of time"
        [ $free -le 64 ] || fault "$name: never went through with 64 free pages"
        rm -rf "$pool" "$DISK/filler" && cp -a "$base" "$pool"
        fill_but $free
        request "$pool" "$body" || fault "$name with $free free pages: exit status $?"
        runs=$((runs + 1))
        [ -z "$(work_files "$pool")" ] || fault "$name with $free free pages: work files left: $(work_files "$pool")"
        whole_log "$pool"
        copy_true "$pool"
        now=$(state "$pool")
        if grep -q '^<H1>Error in' "$WORK/pool.page"; then
            grep -qxF "$FULL" <(tr -d '\r' < "$WORK/pool.page") ||
                fault "$name with $free free pages: $(grep -A1 '<PRE>' "$WORK/pool.page" | tr -d '\r' | head -2)"
            [ "$now" = "$old" ] || { diff <(echo "$old") <(echo "$now") || true;
                fault "$name with $free free pages: the error page, yet files changed"; }
            refused=$((refused + 1))
            # Room made: the same request goes through whole.
            rm -f "$DISK/filler"
            request "$pool" "$body"
            [ "$(state "$pool")" = "$new" ] || fault "$name with $free free pages: the retry did not end as on an empty disk"
        else
            # The error page's entry goes to the server's log when the error
            # log itself cannot take it; an ordinary page writes nothing there.
            [ ! -s "$WORK/pool.err" ] || fault "$name with $free free pages: $(head -c 300 "$WORK/pool.err")"
            [ "$now" = "$new" ] || { diff <(echo "$new") <(echo "$now") || true;
                fault "$name with $free free pages: an ordinary page, yet not every change was made"; }
            echo "$name: refused with the full disk named and nothing changed below $free free pages, whole from there on"
            break
        fi
        free=$((free + 1))
    done
done
echo "full disk: $runs runs, $refused refused, no fault in ${SECONDS}s"
