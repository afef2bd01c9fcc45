#!/usr/bin/env bash
# Kills each writing request at every file-changing system call (strace
# delivers SIGKILL on entering the N-th one) and checks that every data file
# is then its old or its new self, that the next request leaves all of them
# old or all new with no work file behind, and that a retry of an undone
# request ends exactly as an unbroken run.
set -euo pipefail
. "$(dirname "$0")/lib/pool.sh"
. "$(dirname "$0")/lib/cases.sh"
command -v strace >/dev/null || { echo "strace is missing (apt-get install strace)"; exit 2; }

WORK=$(mktemp -d /tmp/zrp-kills-XXXXXX)
trap 'rm -rf "$WORK"' EXIT
SYSCALLS=write,pwrite64,rename,renameat,renameat2,unlink,unlinkat,ftruncate
deadline=$((SECONDS + ${ZRP_STRESS_SECONDS:-900}))
kills=0

# The calls that change files, as "syscall number" (the number counts that
# syscall's own calls); writes to standard output and error are skipped.
kill_points() {
    request "$1" "$2" strace -f -qq -e trace=$SYSCALLS -o "$WORK/trace" || true
    awk '{
        sub(/^[0-9]+ +/, "");
        call = $0; sub(/\(.*/, "", call);
        if (call !~ /^(write|pwrite64|rename|renameat|renameat2|unlink|unlinkat|ftruncate)$/) next;
        n[call]++;
        if (call == "write" && $0 ~ /^write\([12],/) next;
        print call, n[call];
    }' "$WORK/trace"
}

for entry in "${CASES[@]}"; do
    prepare_case "$entry"
    rm -rf "$WORK/probe"
    [ "$old" != "$new" ] || fault "$name: the request changed no file"
    cp -a "$base" "$WORK/probe"
    points=$(kill_points "$WORK/probe" "$body")
    count=0
    while read -r call n; do
        [ -n "$call" ] || continue
        [ $SECONDS -lt $deadline ] || fault "out of time"
        run=$WORK/run
        rm -rf "$run" && cp -a "$base" "$run"
        status=0
        request "$run" "$body" strace -f -qq -o /dev/null -e trace=$call -e inject=$call:signal=KILL:when=$n || status=$?
        [ $status -eq 137 ] || fault "$name: the run was not killed at $call #$n (status $status)"
        # Right after the kill: each file old or new.
        while read -r file sum; do
            grep -qxF "$file $sum" <<< "$old" || grep -qxF "$file $sum" <<< "$new" ||
                [[ $file =~ \.(new|tmp|ddd)$|__journal\.txt$ ]] ||
                fault "$name, kill at $call #$n: $file is neither old nor new"
        done < <(state "$run")
        copy_true "$run"
        # The next request finishes or drops what the dead run left.
        request "$run" "" || fault "$name, kill at $call #$n: the next request failed"
        after=$(state "$run")
        [ -z "$(work_files "$run")" ] || fault "$name, kill at $call #$n: work files left: $(work_files "$run")"
        whole_log "$run"
        copy_true "$run"
        if [ "$after" = "$old" ]; then
            request "$run" "$body"
            copy_true "$run"
            [ "$(state "$run")" = "$new" ] || fault "$name, kill at $call #$n: the retry did not end as an unbroken run"
        elif [ "$after" != "$new" ]; then
            diff <(echo "$old") <(echo "$after") || true
            fault "$name, kill at $call #$n: the pool is neither all old nor all new"
        fi
        count=$((count + 1))
    done <<< "$points"
    [ $count -gt 0 ] || fault "$name: no file-changing call found"
    echo "$name: killed at $count file-changing calls; every file old or new, the next request left all old or all new and no work file, retries ended as unbroken runs"
    kills=$((kills + count))
done
echo "kills: $kills runs killed in ${SECONDS}s, no fault"
