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
    printf '%-20s' DELETE | dd of="$1/ZRPform_user.dat" bs=1 seek=$((3 * USER_RECORD + USER_STATUS)) conv=notrunc status=none
}
no_change() { :; }
undo_base() {
    scoring_base "$1"
    request "$1" "$(as boss@pool.test ENTERWINNERSFINAL 'UWP=000&TIEBREAKER=35')"
    # The request names the run it undoes, known once the pool has scored it.
    local stamp
    read -r stamp _ < "$1/ZRP__undo.dat"
    body+=$stamp
}
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
    printf '%-35s' NEVER | dd of="$1/ZRPform_user.dat" bs=1 seek=$((3 * USER_RECORD + USER_LAST_ACCESS)) conv=notrunc status=none
    request "$1" "$(as ann@pool.test VIEWPLAYERS)"
}
change_base() {
    # Picks may change; Ann's record follows Bob's, which the change replaces.
    printf 'CHANGE\r\n' > "$1/ZRP__PicksPolicy.txt"
    request "$1" "$(as ann@pool.test USERPICS2 'UWP=010&TIEBREAKER=30')"
}

full_board() {
    # A board of 600 lines and an archive: a comment moves the oldest lines on.
    local i
    for i in $(seq 1 600); do printf 'Old line %s\r\n' "$(printf '%04d' "$i" | tr '0-9' 'a-j')"; done > "$1/ZRP__comments.txt"
    printf 'Archived before\r\n' > "$1/ZRP__comments_archive.txt"
}
nine_wrong() {
    # Nine wrong passwords for Ann a minute ago: the tenth locks her account.
    local i
    for i in $(seq 1 9); do printf '%s ANN@POOL.TEST\r\n' $(($(date +%s) - 60)); done > "$1/ZRP__WrongPasswords.txt"
}

CASES=(
    "scoring|scoring_base|$(as boss@pool.test ENTERWINNERSFINAL 'UWP=000&TIEBREAKER=35')"
    "undo|undo_base|$(as boss@pool.test UNDOSCORINGFINAL 'RUN=')"
    "compaction|compaction_base|$(as boss@pool.test VIEWUSERS)"
    "add-user|no_change|$(as boss@pool.test ADMINUPDATE 'USEREMAIL=dan@pool.test&USERREALNAME=Dan+Wu&USERPASSWORD=pw&USERSTATUS=USER')"
    "comment|no_change|$(as ann@pool.test ADDCOMMENTS 'COMMENTFIELD=Second+one')"
    "editor-save|no_change|$(as boss@pool.test TDF "COMMENTFIELD=$(printf '%s' "${SEASON}WEEK3"$'\r\n''Iota at Kappa' | sed 's/ /+/g; s/\r/%0D/g; s/$/%0A/' | tr -d '\n' | sed 's/%0A$//')")"
    "login|listed_base|$(as carl@pool.test LOGIN)"
    "picks-save|no_change|$(as ann@pool.test USERPICS2 'UWP=011&TIEBREAKER=28')"
    "comment-archive|full_board|$(as ann@pool.test ADDCOMMENTS 'COMMENTFIELD=Second+one')"
    "user-edit|no_change|$(as boss@pool.test ADMINUPDATE 'USEREMAIL=carl@pool.test&USERREALNAME=Carl+Fox&USERPASSWORD=new&USERSTATUS=USER&EDITEDUSER=CARL+FOX')"
    "registration|no_change|$(as dan@pool.test LOGINAPPROVE 'USERREALNAME=Dan+Wu')"
    "lockout|nine_wrong|ACTION=LOGIN&NNAME=ann@pool.test&PASS=guess"
    "picks-change|change_base|$(as bob@pool.test CHANGEPICKS 'UWP=011&TIEBREAKER=28')"
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
