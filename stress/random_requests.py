"""Random whole-program requests against one pool for a bounded time: every
answer must be a whole page (status line to closing tags), with exit status
0 and nothing on standard error (where the sanitizers report)."""
import os
import random
import sys
import threading
import time

from cgi_pool import Pool, act, form_body, join, scrambled

ACTIONS = ["LOGIN", "LOGINAPPROVE", "THISWEEK", "USERPICS1", "USERPICS2", "VIEWUSERPICKS", "SCOREBOARD",
           "POSTCOMMENTS", "VIEWCOMMENTS", "ADDCOMMENTS", "ACTIVITYLOG", "LASTWEEK", "ENTERWINNERS",
           "ENTERWINNERS2", "ENTERWINNERSFINAL", "LOCKOUTDATE", "SETLOCKDATE", "NEWUSER", "SETUSERSTATUS",
           "ADDUSER", "ADMINUPDATE", "VIEWUSERS", "VIEWPLAYERS", "ADMINMAINMENU", "EDITUSER", "EDITTHISUSER",
           "ADMIN", "DF", "TDF", "login", " Scoreboard ", "NOSUCH", ""]
FIELDS = ["ACTION", "NNAME", "PASS", "XAI", "IAX", "MONTH", "DAY", "YEAR", "HOUR", "MINUTE", "NEWUSER",
          "TIEBREAKER", "LINENUMBER", "FNAME", "EDIT", "USEREMAIL", "USERREALNAME", "USERSTATUS",
          "USERPASSWORD", "UWP", "COMMENTFIELD", "C1", "C2", "C8", "c3", "C100", "C101"]
PLAYERS = [("boss@pool.test", "secret"), ("ann@pool.test", "pw1"), ("bob@pool.test", "pw2")]


def random_text(rng):
    pick = rng.random()
    if pick < 0.25:
        return rng.choice(["", " ", "1", "0", "5", "-1", "32768", "99999999999", "1e9", "2.5", "ALLOWALL",
                           "APPROVE", "BLOCK", "ADMINISTRATOR", "USER", "DELETE", "PENDING", "WEEK1", "*B*",
                           "*B*99-", "*B*:8-:9-", "12-31-2030", "ann@pool.test", "Ann Lee", "1,2", "&#10;"])
    if pick < 0.45:
        return "".join(rng.choice("<>\"'&;#%+=,\r\n\t\x00\x7f\xe9\xff aZ09") for _ in range(rng.randint(1, 40)))
    if pick < 0.55:
        return rng.choice("xX1<") * rng.choice([101, 255, 1000, 5000, 40000])
    if pick < 0.65:
        return "".join(rng.choice("01235") for _ in range(rng.randint(0, 20)))
    return "".join(chr(rng.randint(1, 255)) for _ in range(rng.randint(0, 30)))


def random_request(rng):
    fields = []
    action = rng.choice(ACTIONS)
    if rng.random() < 0.8:
        fields.append(("ACTION", action))
    who = rng.random()
    if who < 0.6:
        email, password = rng.choice(PLAYERS)
        fields += [("XAI", scrambled(email)), ("IAX", scrambled(password))]
    elif who < 0.75:
        fields += [("NNAME", random_text(rng)), ("PASS", random_text(rng))]
    elif who < 0.85:
        fields += [("XAI", random_text(rng)), ("IAX", random_text(rng))]
    for _ in range(rng.randint(0, 8)):
        fields.append((rng.choice(FIELDS) if rng.random() < 0.9 else random_text(rng), random_text(rng)))
    body = form_body(fields)
    env = {"REMOTE_ADDR": "10.7.%d.%d" % (rng.randint(0, 3), rng.randint(1, 250))}
    shape = rng.random()
    if shape < 0.1:
        body = body.replace(b"%", b"%Z", 1)  # a broken escape
    elif shape < 0.2 and len(body) < 100000:  # an environment string holds at most 128 KiB
        env.update(REQUEST_METHOD="GET", QUERY_STRING=body.decode("ascii"), CONTENT_LENGTH=None)
        body = b""
    elif shape < 0.25:
        env["CONTENT_LENGTH"] = str(rng.choice([-1, 0, len(body) + 50, 2000000, 10 ** 12]))
    elif shape < 0.3:
        env["CONTENT_TYPE"] = rng.choice(["text/plain", "multipart/form-data", None])
    elif shape < 0.33:
        env["SERVER_PORT"] = rng.choice(["443", "8080", None])
    return body, env


def main():
    build, seconds = sys.argv[1], float(sys.argv[2])
    pool = Pool(build)
    counts = {"requests": 0, "error pages": 0, "empty answers": 0}
    faults = []
    lock = threading.Lock()
    join(pool, "boss@pool.test", "secret", "Big Boss")
    join(pool, "ann@pool.test", "pw1", "Ann Lee")
    join(pool, "bob@pool.test", "pw2", "Bob Roe")
    act(pool, "ADDCOMMENTS", "ann@pool.test", "pw1", [("COMMENTFIELD", "Hello")])
    deadline = time.time() + seconds

    def worker(seed):
        rng = random.Random(seed)
        while time.time() < deadline and not faults:
            body, env = random_request(rng)
            try:
                answer = pool.run(body, env)
            except Exception as error:  # a run that never ends, or cannot start
                with lock:
                    faults.append((body, env, None))
                print("FAIL: %r for %r %r" % (error, env, body[:300]))
                return
            with lock:
                counts["requests"] += 1
                counts["error pages"] += answer.error_page()
                counts["empty answers"] += answer.empty_answer()
                if not answer.whole_page() and not answer.empty_answer():
                    faults.append((body, env, answer))

    seed = int(os.environ.get("STRESS_SEED", time.time()))
    threads = [threading.Thread(target=worker, args=(seed + i,)) for i in range(2)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    if not pool.whole_records():
        faults.append((b"", {}, None))
        print("FAIL: the user file or the activity log is not whole records")
    if faults:
        body, env, answer = faults[0]
        if answer:
            print("FAIL (seed %d): status %d, standard error:\n%s\nrequest %r %r\nanswer ends %r"
                  % (seed, answer.status, answer.err.decode("latin-1")[-3000:], env, body[:500], answer.out[-300:]))
        print("pool kept in", pool.folder)
        sys.exit(1)
    print("random requests (seed %d): %d in %.0fs, each a whole page (%d error pages) or, for an action without"
          " a row, the empty answer (%d); %d users; no fault"
          % (seed, counts["requests"], seconds, counts["error pages"], counts["empty answers"], pool.user_records()))
    pool.remove()


if __name__ == "__main__":
    main()
