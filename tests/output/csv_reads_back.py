"""Exports accounts with awkward values in the tab-, comma- and CSV formats and
reads each file back with Python's csv module: every account must come back as
exactly its five original fields. Usage: csv_reads_back.py TOOL WORKDIR."""

import csv
import os
import random
import subprocess
import sys

AWKWARD = [
    "",
    "plain",
    "a,b",
    'say "hi"',
    '"',
    '""',
    "tab\there",
    "line1\r\nline2",
    "lone\rcr",
    "lone\nlf",
    "ends with newline\r\n",
    ",",
    " leading and trailing ",
    "<b>&amp;</b>",
    "caf\xe9 \x80 \xff",
]


def accounts():
    rng = random.Random(1252)
    fixed = [
        ["Bank", "jsmith", "s3cret", "http://bank.example", "PIN, card and \"code\"\r\nat home"],
        ["", "", "", "", ""],
        ["Quote\"s", "a,b,c", "p\tw", "", "multi\r\nline\r\nnotes, with, commas"],
    ]
    mixed = [[rng.choice(AWKWARD) + rng.choice(AWKWARD) for _ in range(5)] for _ in range(200)]
    return fixed + mixed


def encode(account):
    return " ".join(field.encode("latin-1").hex() or "-" for field in account)


def export(tool, fmt, path, rows):
    text = "".join(encode(a) + "\n" for a in rows)
    subprocess.run([tool, str(fmt), path], input=text.encode("ascii"), check=True)


def read_back(path, delimiter):
    with open(path, newline="", encoding="latin-1") as f:
        return [row for row in csv.reader(f, delimiter=delimiter)]


def main():
    tool, workdir = sys.argv[1], sys.argv[2]
    rows = accounts()
    failures = 0
    files = {}
    for fmt, delimiter in ((3, "\t"), (4, ","), (5, ",")):
        path = os.path.join(workdir, "readback_%d.txt" % fmt)
        export(tool, fmt, path, rows)
        with open(path, "rb") as f:
            files[fmt] = f.read()
        got = read_back(path, delimiter)
        if got != rows:
            failures += 1
            print("format %d: %d rows read, %d written" % (fmt, len(got), len(rows)))
            for want, have in zip(rows, got):
                if want != have:
                    print("  wrote %r\n  read  %r" % (want, have))
                    break
    if files[4] != files[5]:
        failures += 1
        print("formats 4 and 5 differ")
    if not files[4].endswith(b"\r\n"):
        failures += 1
        print("the last line is not ended by CR LF")
    print("ok" if failures == 0 else "%d failures" % failures)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
