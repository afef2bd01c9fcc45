# Shared by the stress scripts: pools in temporary folders, requests sent as
# a web server sends them, and the state of a pool's data files.

ZRP_BUILD=${ZRP_BUILD:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build-sanitize}
ZRP_PROGRAM=$ZRP_BUILD/zrp
[ -x "$ZRP_PROGRAM" ] || { echo "no program at $ZRP_PROGRAM (build it first)"; exit 2; }
[ -x "$ZRP_BUILD/fields_copy_check" ] || { echo "no fields_copy_check in $ZRP_BUILD (build the tests)"; exit 2; }
# USER_RECORD, USER_LAST_ACCESS, USER_STATUS and LOG_RECORD, from the program's own layout.
eval "$("$ZRP_BUILD/fields_copy_check" --layout)"
# LeakSanitizer cannot stop a process that strace already traces.
export ZRP_ASAN_OPTIONS=${ZRP_ASAN_OPTIONS:-detect_leaks=0}

readonly SEASON=$'WEEK1\r\nAlpha at Beta\r\nGamma at Delta\r\nEpsilon at Zeta\r\nWEEK2\r\nEta at Theta\r\n'

fault() { echo "FAULT: $*"; exit 1; }

# new_pool FOLDER: an empty pool with the season, the program linked in.
new_pool() {
    rm -rf "$1" && mkdir -p "$1"
    ln -s "$ZRP_PROGRAM" "$1/zrp.exe"
    printf '%s' "$SEASON" > "$1/zrp.cfg"
}

# request FOLDER BODY [LAUNCHER...]: one POST; the page goes to FOLDER.page
# (outside the pool; into ZRP_PAGES when set), the exit status is returned.
request() {
    local folder=$1 body=$2
    local page=${ZRP_PAGES:-$(dirname "$1")}/$(basename "$1")
    shift 2
    (cd "$folder" && printf '%s' "$body" | "$@" env -i REQUEST_METHOD=POST \
        CONTENT_TYPE=application/x-www-form-urlencoded CONTENT_LENGTH=${#body} \
        SCRIPT_NAME=/cgi-bin/zrp.exe SERVER_NAME=pool.test SERVER_PORT=80 REMOTE_ADDR=10.0.0.1 \
        ASAN_OPTIONS="$ZRP_ASAN_OPTIONS" UBSAN_OPTIONS=halt_on_error=1 \
        ./zrp.exe > "$page.page" 2> "$page.err") 2>/dev/null
}

# as EMAIL ACTION [FIELDS]: a request body of a logged-in player.
as() { echo "ACTION=$2&NNAME=$1&PASS=pw${3:+&$3}"; }

# join FOLDER EMAIL NAME: a new player (the first is the administrator).
join() {
    request "$1" "$(as "$2" LOGIN)"
    request "$1" "$(as "$2" LOGINAPPROVE "USERREALNAME=$3")"
}

# state FOLDER: one line per data file with its checksum, those in the
# folders of past seasons too; the logs and images, which every request may
# write, are left out; the time stamps of the comment board, the user file
# and the limits files are read as digits of any value (the pools' names
# and addresses hold no digits).
state() {
    local name
    (cd "$1" && for name in $(ls | sort) $(ls -d season-*/* 2>/dev/null | sort); do
        # The copy of the fields is derived from the user file (copy_true
        # checks it); the kept folder listings hold the folders' own times.
        case $name in zrp.exe|zrp.log|ZRPerror.log|*.gif|ZRP__UserFields.dat) continue ;; esac
        [ -f "$name" ] || continue  # the help pages' folder
        if [[ $name =~ ^(ZRP__comments\.txt|ZRPform_user\.dat|ZRP__(Registrations|WrongPasswords|LockedAccounts)\.txt)$ ]]; then
            echo "$name $(tr '0-9' '#' < "$name" | md5sum | cut -c1-32)"
        elif [ "$name" = ZRP__undo.dat ]; then
            # Its first word is the clock's stamp of the run it takes back.
            echo "$name $(LC_ALL=C sed '1s/^[0-9]*//' "$name" | md5sum | cut -c1-32)"
        else
            echo "$name $(md5sum < "$name" | cut -c1-32)"
        fi
    done)
}

# copy_true FOLDER: a copy of the fields that the program takes to describe
# the user file holds every record's field bytes.
copy_true() {
    "$ZRP_BUILD/fields_copy_check" "$1" || fault "$1: the copy of the fields does not fit the user file"
}

# work_files FOLDER: what a finished run must not leave behind.
work_files() { (cd "$1" && ls | grep -E '^(ZRP|zrp\.cfg).*\.(new|tmp|ddd)$|__journal\.txt$' || true); }

# whole_log FOLDER: the activity log holds whole 120-byte records.
whole_log() {
    local size
    size=$(stat -c %s "$1/zrp.log")
    [ $((size % LOG_RECORD)) -eq 0 ] || fault "$1/zrp.log is $size bytes, not whole records"
}
