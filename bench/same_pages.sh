#!/usr/bin/env bash
# Two builds of the program must give the same bytes: every page of the
# benchmark, on pools of 100, 1,000 and 10,000 players (or the counts given
# after the programs), asked of each build in its own copy of the pool, in the
# same order; then the answers and the pool files are compared with cmp. The
# scoreboard is asked once more with its standings file cut inside a record,
# so that the error page follows a long streamed top. Only this second's date
# and time and the random decoy fields are masked before comparing, and the
# copy of the user file's fields (and the key index older builds kept) are left out.
# bench/same_pages.sh OLD NEW [PLAYERS...]; ZRP_BUILD (build-bench) holds make_pool.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 OLD NEW [PLAYERS...]" >&2; exit 2; }
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZRP_BUILD:-$root/build-bench}
old=$(realpath "$1") new=$(realpath "$2")
shift 2
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(100 1000 10000)
work=$(mktemp -d /tmp/zrp-same-XXXXXX)
trap 'rm -rf "$work"' EXIT

# The hidden-field form of a value: each byte's code and a comma, every
# character then one higher, as a form body carries it (":" escaped).
scrambled() {
    local text=$1 out="" code i
    for ((i = 0; i < ${#text}; i++)); do
        printf -v code '%d' "'${text:i:1}"
        out+="$code,"
    done
    printf '*B*%s' "$(tr '0-9,' '1-9:-' <<<"$out" | sed 's/:/%3A/g')"
}

admin=BOSS@POOL.TEST
act() { # ACTION EMAIL [more fields]
    printf 'ACTION=%s&XAI=%s&IAX=%s%s' "$1" "$(scrambled "$2")" "$(scrambled SECRET)" "${3:-}"
}

# Label, method and body of every request, one a line, for a pool of $1 players.
requests() {
    local me="P$1@POOL.TEST" picks="0101010101010101"
    echo "login-screen GET "
    echo "LOGIN POST ACTION=LOGIN&NNAME=${me/@/%40}&PASS=SECRET"
    echo "THISWEEK POST $(act THISWEEK "$me")"
    echo "THISWEEK-carried POST $(act THISWEEK "$me" "&UWP=$picks&TIEBREAKER=35&LINENUMBER=3")"
    echo "VIEWUSERPICKS POST $(act VIEWUSERPICKS "$me")"
    echo "USERPICS1 POST $(act USERPICS1 "$me" "&UWP=$picks&TIEBREAKER=35&LINENUMBER=16")"
    echo "USERPICS2 POST $(act USERPICS2 "$me" "&UWP=$picks&TIEBREAKER=35&LINENUMBER=16")"
    echo "SCOREBOARD POST $(act SCOREBOARD "$me")"
    echo "LASTWEEK POST $(act LASTWEEK "$me")"
    echo "VIEWPLAYERS POST $(act VIEWPLAYERS "$me")"
    echo "POSTCOMMENTS POST $(act POSTCOMMENTS "$me")"
    echo "VIEWCOMMENTS POST $(act VIEWCOMMENTS "$me")"
    echo "ENTERWINNERS POST $(act ENTERWINNERS "$admin")"
    echo "ENTERWINNERS2 POST $(act ENTERWINNERS2 "$admin" "&UWP=$picks&TIEBREAKER=35&LINENUMBER=16")"
    echo "ACTIVITYLOG POST $(act ACTIVITYLOG "$admin")"
    echo "VIEWUSERS POST $(act VIEWUSERS "$admin")"
}

# Runs the program of pool folder $1 with request $2 $3, its answer in $4;
# standard output is that file, or a pipe when $5 is "pipe".
run_cgi() {
    local body=$work/body
    printf '%s' "$3" >"$body"
    local -a cgi=(env -i PATH=/usr/bin:/bin SCRIPT_NAME=/cgi-bin/zrp.exe SERVER_NAME=pool.test SERVER_PORT=80
        REQUEST_METHOD="$2" REMOTE_ADDR=127.0.0.1 QUERY_STRING= CONTENT_TYPE=application/x-www-form-urlencoded
        CONTENT_LENGTH="$(stat -c %s "$body")" "$1/zrp.exe")
    if [ "${5:-}" = pipe ]; then
        "${cgi[@]}" <"$body" 2>>"$work/stderr" | cat >"$4"
    else
        "${cgi[@]}" <"$body" >"$4" 2>>"$work/stderr" || true
    fi
}

# The file with this second's stamps and the decoy fields masked.
masked() {
    local today
    today=$(date +%m-%d-%Y)
    LC_ALL=C sed -E -e "s/$today [0-9]{2}:[0-9]{2}:[0-9]{2}/<now>/g" \
        -e 's/NAME="(AIX|AAX)" Value="[^"]*"/NAME="\1" Value="<decoy>"/' "$1"
}

same() { # LABEL FILE1 FILE2
    if cmp -s <(masked "$2") <(masked "$3"); then return 0; fi
    echo "DIFFERENT: $1" >&2
    cmp <(masked "$2") <(masked "$3") >&2 || true
    failed=1
}

failed=0
for players in "${counts[@]}"; do
    mkdir -p "$work/template"
    "$build/make_pool" "$work/template" "$players"
    for side in old new; do
        rm -rf "$work/$side" && cp -r "$work/template" "$work/$side"
        ln -s "${!side}" "$work/$side/zrp.exe"
    done
    checked=0
    while read -r label method body; do
        for side in old new; do run_cgi "$work/$side" "$method" "$body" "$work/$side.$label"; done
        same "$label at $players" "$work/old.$label" "$work/new.$label"
        if grep -q "<TITLE>Internal Error</TITLE>" "$work/new.$label"; then echo "error page: $label" >&2; failed=1; fi
        checked=$((checked + 1))
    done < <(requests "$players")
    # A standings record cut short: the error page after a long streamed top,
    # its output a file (where the error page stands alone) and a pipe.
    for side in old new; do
        printf 'CUT\r\n' >>"$work/$side/ZRPOverAllWinners.dat"
        run_cgi "$work/$side" POST "$(act SCOREBOARD "$admin")" "$work/$side.cut"
        run_cgi "$work/$side" POST "$(act SCOREBOARD "$admin")" "$work/$side.cut-piped" pipe
    done
    for label in cut cut-piped; do
        grep -q "Error Number =  62" "$work/new.$label" || { echo "no error page: $label" >&2; failed=1; }
        same "SCOREBOARD with a cut file ($label) at $players" "$work/old.$label" "$work/new.$label"
    done
    # The copy of the fields of the user file (and the key index of older
    # builds) and the kept folder listings are stamped with their files' own
    # identity (number and change times), which differs between copies.
    for file in "$work"/old/*; do
        name=$(basename "$file")
        case $name in zrp.exe | ZRP__UserIndex.dat | ZRP__UserFields.dat | ZRP__FolderListings.dat) continue ;; esac
        [ -d "$file" ] || same "file $name at $players" "$file" "$work/new/$name"
    done
    echo "$players players: $((checked + 2)) answers and $(ls "$work/old" | wc -l) files compared, bytes:"
    wc -c "$work"/new.* | sed "s|$work/new.||" | paste -sd " "
    rm -rf "$work/template" "$work/old" "$work/new"
done
[ "$failed" = 0 ] && echo "same bytes" || { echo "the builds differ" >&2; exit 1; }
