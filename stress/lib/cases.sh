# The writing requests that the stress scripts break, each on a pool of its
# own: a name, what it adds to the common pool, the request.

common_base() {
    new_pool "$1"
    join "$1" boss@pool.test "Big+Boss"
    join "$1" ann@pool.test "Ann+Lee"
    join "$1" bob@pool.test "Bob+Ray"
    join "$1" carl@pool.test "Carl+Fox"
    request "$1" "$(as bob@pool.test USERPICS2 'UWP=100&TIEBREAKER=41')"
    request "$1" "$(as ann@pool.test ADDCOMMENTS 'COMMENTFIELD=First')"
}

# Each case: a name, what it adds to the common pool, the request that is killed.
scoring_base() {
    request "$1" "$(as ann@pool.test USERPICS2 'UWP=010&TIEBREAKER=30')"
    printf '01\r\n01\r\n2001\r\n00\r\n00\r\n' > "$1/ZRP__LockDateTime.txt"
}
compaction_base() {
    # Carl's record marked deleted in place, as an edit leaves it.
    printf '%-20s' DELETE | dd of="$1/ZRPform_user.dat" bs=1 seek=$((3 * 1695 + 175)) conv=notrunc status=none
}
no_change() { :; }
ended_base() {
    # Both periods scored: the pool has ended.
    scoring_base "$1"
    request "$1" "$(as boss@pool.test ENTERWINNERSFINAL 'UWP=000&TIEBREAKER=35')"
    request "$1" "$(as ann@pool.test USERPICS2 'UWP=1&TIEBREAKER=7')"
    request "$1" "$(as boss@pool.test ENTERWINNERSFINAL 'UWP=1&TIEBREAKER=7')"
}
listed_base() {
    # Carl's last access without digits, so that the login's new one shows
    # in the state; the player list then makes the copy of the user file's
    # fields, which the login rewrites in place.
    printf '%-35s' NEVER | dd of="$1/ZRPform_user.dat" bs=1 seek=$((3 * 1695 + 140)) conv=notrunc status=none
    request "$1" "$(as ann@pool.test VIEWPLAYERS)"
}

CASES=(
    "scoring|scoring_base|$(as boss@pool.test ENTERWINNERSFINAL 'UWP=000&TIEBREAKER=35')"
    "compaction|compaction_base|$(as boss@pool.test VIEWUSERS)"
    "add-user|no_change|$(as boss@pool.test ADMINUPDATE 'USEREMAIL=dan@pool.test&USERREALNAME=Dan+Wu&USERPASSWORD=pw&USERSTATUS=USER')"
    "comment|no_change|$(as ann@pool.test ADDCOMMENTS 'COMMENTFIELD=Second+one')"
    "editor-save|no_change|$(as boss@pool.test TDF "COMMENTFIELD=$(printf '%s' "${SEASON}WEEK3"$'\r\n''Iota at Kappa' | sed 's/ /+/g; s/\r/%0D/g; s/$/%0A/' | tr -d '\n' | sed 's/%0A$//')")"
    "login|listed_base|$(as carl@pool.test LOGIN)"
    "picks-save|no_change|$(as ann@pool.test USERPICS2 'UWP=011&TIEBREAKER=28')"
    "new-season|ended_base|$(as boss@pool.test NEWSEASONFINAL)"
)

# prepare_case ENTRY: sets name and body, base (the case's pool before its
# request), old and new (that pool's state before the request and after it
# on a disk with room).
prepare_case() {
    local tweak
    IFS='|' read -r name tweak body <<< "$1"
    base=$WORK/$name.base
    common_base "$base"
    $tweak "$base"
    old=$(state "$base")
    rm -rf "$WORK/ref" && cp -a "$base" "$WORK/ref" && request "$WORK/ref" "$body"
    new=$(state "$WORK/ref")
}
