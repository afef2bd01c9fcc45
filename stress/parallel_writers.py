"""32 writers at once on one pool, each from its own address: each registers
players, saves their picks and posts comments. Every write acknowledged by
its page must be in the files afterwards, once, and every file whole."""
import random
import re
import sys
import threading
import time

from cgi_pool import Pool, act, join, week_games

WRITERS = 32
PLAYERS = 2      # registrations of each writer
COMMENTS = 6     # comments of each writer
TRIES = 20       # a run may time out waiting for the folder: the writer asks again


def main():
    build = sys.argv[1]
    pool = Pool(build)
    join(pool, "boss@pool.test", "secret", "Big Boss")
    games = week_games(pool)
    acked = {"players": [], "picks": {}, "comments": []}
    counts = {"requests": 0, "retries": 0}
    faults = []
    lock = threading.Lock()

    def until(request, acknowledged, what):
        for _ in range(TRIES):
            answer = request()
            with lock:
                counts["requests"] += 1
            if not answer.whole_page():
                faults.append("%s: not a whole page (status %d): %s" % (what, answer.status,
                                                                         answer.err.decode("latin-1")[-2000:]))
                return False
            if acknowledged(answer):
                return True
            with lock:
                counts["retries"] += 1
        faults.append("%s: never acknowledged in %d tries" % (what, TRIES))
        return False

    def writer(w):
        rng = random.Random(w)
        env = {"REMOTE_ADDR": "10.50.0.%d" % (w + 1)}
        for p in range(PLAYERS):
            email, name = "w%dp%d@pool.test" % (w, p), "Writer %d Player %d" % (w, p)
            if not until(lambda: join(pool, email, "pw", name, env), lambda a: a.has("<!-- MainMenu -->"), email):
                return
            with lock:
                acked["players"].append(email)
            picks = "".join(rng.choice("01") for _ in range(games))
            guess = str(rng.randint(0, 999))
            fields = [("LINENUMBER", str(games)), ("UWP", picks), ("TIEBREAKER", guess)]
            if not until(lambda: act(pool, "USERPICS2", email, "pw", fields, env),
                         lambda a: a.has("<!-- MainMenu -->"), "picks of " + email):
                return
            with lock:
                acked["picks"][name.upper()] = (picks, guess)
            for c in range(COMMENTS):
                token = "token-%d-%d-%d" % (w, p, c)
                if not until(lambda: act(pool, "ADDCOMMENTS", email, "pw", [("COMMENTFIELD", token)], env),
                             lambda a: a.has("<!-- ViewComments -->"), token):
                    return
                with lock:
                    acked["comments"].append(token)

    started = time.time()
    threads = [threading.Thread(target=writer, args=(w,)) for w in range(WRITERS)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    elapsed = time.time() - started
    faults += check_files(pool, acked)
    if faults:
        print("\n".join("FAIL: " + f for f in faults[:20]))
        print("pool kept in", pool.folder)
        sys.exit(1)
    print("parallel writers: %d writers, %d requests in %.0fs (%d asked again after a timed-out wait);"
          " %d registrations, %d picks records, %d comments acknowledged and all found once; files whole"
          % (WRITERS, counts["requests"], elapsed, counts["retries"], len(acked["players"]), len(acked["picks"]),
             len(acked["comments"])))
    pool.remove()


def check_files(pool, acked):
    faults = []
    users = pool.read("ZRPform_user.dat").decode("latin-1")
    if not pool.whole_records():
        faults.append("the user file or the activity log is not whole records")
    for email in acked["players"]:
        if users.upper().count(email.upper()) != 1:
            faults.append("%s stored %d times" % (email, users.upper().count(email.upper())))
    picks = pool.read("ZRPpicks1_.dat").decode("latin-1").split("\r\n")[:-1]
    if len(picks) % 3:
        faults.append("the picks file holds %d lines" % len(picks))
    records = [(picks[i].upper(), (picks[i + 1], picks[i + 2])) for i in range(0, len(picks) - 2, 3)]
    for name, saved in acked["picks"].items():
        found = [r for n, r in records if n == name]
        if found != [saved]:
            faults.append("picks of %s: %r, saved %r" % (name, found, saved))
    comments = pool.read("ZRP__comments_archive.txt") + pool.read("ZRP__comments.txt")
    lines = comments.decode("latin-1").split("\r\n")
    for token in acked["comments"]:
        count = sum(1 for line in lines if re.search(" : %s$" % token, line))
        if count != 1:
            faults.append("comment %s found %d times" % (token, count))
    for name in __import__("os").listdir(pool.folder):
        if name.endswith((".tmp", ".new", ".ddd")):
            faults.append("work file left: " + name)
    return faults


if __name__ == "__main__":
    main()
