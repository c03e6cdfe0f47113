"""lockerbook-cli export as a script uses it: an account file made with
create, exported in each format, the bytes and mode of the result, the
separated formats read back by Python's csv module (a reader of its own), and
the exit status of each kind of failure. Usage: cli_export.py CLI WORKDIR."""

import csv
import io
import json
import random
import os
import stat
import subprocess
import sys
import tempfile

ACCOUNTS = [
    {"name": "Bank", "user": "jsmith", "password": "s3cret", "url": "http://bank.example",
     "notes": "PIN at home"},
    {"name": "Caf\u00e9", "user": "a,b", "password": 'p"w', "url": "",
     "notes": "x\r\ny"},
]

EXPECTED = {
    2: b"Account Name  User Name  Password  URL                  Notes        \r\n"
       b"Bank          jsmith     s3cret    http://bank.example  PIN at home  \r\n"
       b"Caf\xe9          a,b        p\"w                            x\r\ny         \r\n",
    3: b"Bank\tjsmith\ts3cret\thttp://bank.example\tPIN at home\r\n"
       b"Caf\xe9\ta,b\t\"p\"\"w\"\t\t\"x\r\ny\"\r\n",
    4: b"Bank,jsmith,s3cret,http://bank.example,PIN at home\r\n"
       b"Caf\xe9,\"a,b\",\"p\"\"w\",,\"x\r\ny\"\r\n",
}
EXPECTED[5] = EXPECTED[4]

AWKWARD = ["", "plain", "a,b", 'say "hi"', '"', '""', "tab\there", "line1\r\nline2",
           "lone\rcr", "lone\nlf", "ends with newline\r\n", ",", " spaced ", "<b>&amp;</b>",
           "caf\u00e9 \u20ac"]

failures = []


def check(what, condition):
    if not condition:
        failures.append(what)
        print("FAILED:", what)


def cli(tool, args, stdin):
    return subprocess.run([tool] + args, input=stdin, capture_output=True)


def main():
    tool = sys.argv[1]
    with tempfile.TemporaryDirectory(dir=sys.argv[2]) as work:
        source = os.path.join(work, "accounts.lockbk")
        made = cli(tool, ["create", source],
                   b"master\n" + json.dumps({"accounts": ACCOUNTS}).encode("utf-8"))
        check("create succeeds", made.returncode == 0)

        for fmt in range(1, 6):
            out = os.path.join(work, "out%d" % fmt)
            run = cli(tool, ["export", source, str(fmt), out], b"master\n")
            check("format %d exits 0" % fmt, run.returncode == 0)
            with open(out, "rb") as f:
                data = f.read()
            if fmt in EXPECTED:
                check("format %d bytes" % fmt, data == EXPECTED[fmt])
            else:
                check("format 1 is the HTML table",
                      data.startswith(b"<HTML>\r\n") and data.endswith(b"</HTML>\r\n")
                      and b"<TD>Caf\xe9</TD>" in data and b"<TD>p&quot;w</TD>" in data
                      and b"<TD>&nbsp;</TD>" in data)
            check("format %d is for its owner only" % fmt,
                  stat.S_IMODE(os.stat(out).st_mode) == 0o600)

        rng = random.Random(1252)
        rows = [[rng.choice(AWKWARD) + rng.choice(AWKWARD) for _ in range(5)] for _ in range(200)]
        awkward = os.path.join(work, "awkward.lockbk")
        keys = ("name", "user", "password", "url", "notes")
        made = cli(tool, ["create", awkward], b"master\n" + json.dumps(
            {"accounts": [dict(zip(keys, row)) for row in rows]}).encode("utf-8"))
        check("create of awkward values succeeds", made.returncode == 0)
        for fmt, delimiter in ((3, "\t"), (4, ","), (5, ",")):
            out = os.path.join(work, "awkward%d" % fmt)
            cli(tool, ["export", awkward, str(fmt), out], b"master\n")
            with open(out, "rb") as f:
                text = f.read().decode("cp1252")
            back = list(csv.reader(io.StringIO(text, newline=""), delimiter=delimiter))
            check("format %d reads back field for field" % fmt, back == rows)

        untouched = os.path.join(work, "untouched")
        for bad in ("0", "6", "x", "01", ""):
            run = cli(tool, ["export", source, bad, untouched], b"master\n")
            check("format %r is a usage error" % bad, run.returncode == 1)
        run = cli(tool, ["export", source, "4"], b"master\n")
        check("a missing argument is a usage error", run.returncode == 1)
        check("nothing is written on a usage error", not os.path.exists(untouched))

        run = cli(tool, ["export", source, "4", untouched], b"wrong\n")
        check("a wrong password exits 4", run.returncode == 4)
        check("nothing is written for a wrong password", not os.path.exists(untouched))

        run = cli(tool, ["export", os.path.join(work, "missing.lockbk"), "4", untouched],
                  b"master\n")
        check("an unreadable file exits 5", run.returncode == 5)

        run = cli(tool, ["export", source, "4", os.path.join(work, "no", "out.csv")], b"master\n")
        check("an unwritable output exits 5", run.returncode == 5)
        check("the failure is reported as an export failure",
              run.stderr.strip() == b"There was an unexpected error (number 2, No such file or "
                                    b"directory) while exporting.")

    print("ok" if not failures else "%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
