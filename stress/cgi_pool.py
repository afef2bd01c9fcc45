"""A pool in a temporary folder and the program run in it as a web server
runs a CGI program: used by the stress scripts of this folder."""
import os
import shutil
import subprocess
import tempfile
import urllib.parse

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOOTER = b"</BODY></HTML>\r\n"


class Answer:
    def __init__(self, proc):
        self.status = proc.returncode
        self.out = proc.stdout
        self.err = proc.stderr

    def whole_page(self):
        return self.status == 0 and not self.err and self.out.startswith(b"Status: 200 OK\r\n") \
            and self.out.endswith(FOOTER)

    # An action without a row of the action table ends with an empty answer.
    def empty_answer(self):
        return self.status == 0 and not self.err and not self.out

    def error_page(self):
        return b"<TITLE>Internal Error</TITLE>" in self.out

    def has(self, text):
        return text.encode("latin-1") in self.out


class Pool:
    def __init__(self, build):
        self.folder = tempfile.mkdtemp(prefix="zrp-stress-")
        self.program = os.path.join(self.folder, "zrp.exe")
        # The record lengths as the program defines them.
        out = subprocess.run([os.path.join(build, "fields_copy_check"), "--layout"], capture_output=True,
                             check=True).stdout.decode()
        self.layout = {k: int(v) for k, v in (pair.split("=") for pair in out.split())}
        shutil.copy(os.path.join(build, "zrp"), self.program)
        shutil.copy(os.path.join(ROOT, "demo", "zrp.cfg"), os.path.join(self.folder, "zrp.cfg"))

    def remove(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def path(self, name):
        return os.path.join(self.folder, name)

    def read(self, name):
        try:
            with open(self.path(name), "rb") as f:
                return f.read()
        except FileNotFoundError:
            return b""

    def user_records(self):
        return len(self.read("ZRPform_user.dat")) // self.layout["USER_RECORD"]

    # True when the user file and the activity log hold whole records only.
    def whole_records(self):
        return len(self.read("ZRPform_user.dat")) % self.layout["USER_RECORD"] == 0 and \
            len(self.read("zrp.log")) % self.layout["LOG_RECORD"] == 0

    def run(self, body=b"", env=None, timeout=120):
        full = {"SCRIPT_NAME": "/cgi-bin/zrp.exe", "SERVER_NAME": "127.0.0.1", "SERVER_PORT": "80",
                "REMOTE_ADDR": "10.9.9.9", "GATEWAY_INTERFACE": "CGI/1.1", "SERVER_PROTOCOL": "HTTP/1.1",
                "REQUEST_METHOD": "POST", "CONTENT_TYPE": "application/x-www-form-urlencoded",
                "CONTENT_LENGTH": str(len(body)), "PATH": "/usr/bin:/bin"}
        full.update(env or {})
        full = {k: v for k, v in full.items() if v is not None}
        proc = subprocess.run([self.program], input=body, env=full, cwd=self.folder,
                              capture_output=True, timeout=timeout)
        return Answer(proc)

    def post(self, fields, env=None):
        return self.run(form_body(fields), env)


def form_body(fields):
    return "&".join(urllib.parse.quote_plus(k, encoding="latin-1") + "=" +
                    urllib.parse.quote_plus(v, encoding="latin-1") for k, v in fields).encode("ascii")


def scrambled(value):
    return "*B*" + "".join(chr(ord(c) + 1) for c in "".join(str(ord(ch)) + "," for ch in value))


def act(pool, action, email, password, extra=(), env=None):
    return pool.post([("ACTION", action), ("XAI", scrambled(email)), ("IAX", scrambled(password))] + list(extra),
                     env)


def join(pool, email, password, name, env=None):
    pool.post([("ACTION", "LOGIN"), ("NNAME", email), ("PASS", password)], env)
    return act(pool, "LOGINAPPROVE", email, password, [("USERREALNAME", name)], env)


def week_games(pool, week=1):
    games, inside = 0, False
    for line in pool.read("zrp.cfg").decode("latin-1").splitlines():
        line = line.strip()
        if line.upper().startswith("WEEK"):
            inside = line.upper() == "WEEK%d" % week
        elif inside and line:
            games += 1
    return games
