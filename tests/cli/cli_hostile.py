"""lockerbook-cli under hostile conditions, as a person or a script would meet
them: endless standard input, a terminal, a pipe or a device as the account
file, file names that are not UTF-8, and a process that must never leave its
secrets in a core file. Usage: cli_hostile.py CLI WORKDIR."""

import os
import pty
import select
import subprocess
import sys
import tempfile
import time

cli = sys.argv[1]
work = tempfile.mkdtemp(dir=sys.argv[2])
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def run(args, data=b"", timeout=60, stdin=None):
    if stdin is not None:
        return subprocess.run([cli] + args, stdin=stdin, capture_output=True, timeout=timeout)
    return subprocess.run([cli] + args, input=data, capture_output=True, timeout=timeout)


def path(name):
    return os.path.join(os.fsencode(work), name)


# A name that is not UTF-8 reaches the file system byte for byte.
odd = path(b"caf\xe9-\xff.lockbk")
r = run(["create", odd], b"pw\n{\"accounts\":[{\"name\":\"a\"}]}")
check(r.returncode == 0, "create under a non-UTF-8 name: %r" % r.stderr)
check(os.listdir(os.fsencode(work)) == [b"caf\xe9-\xff.lockbk"], "the name as given")
check(b'"name":"a"' in run(["dump", odd], b"pw\n").stdout, "dump under a non-UTF-8 name")

# Only the password line is read: an endless input must not keep dump going.
yes = subprocess.Popen(["yes", "pw"], stdout=subprocess.PIPE)
try:
    r = run(["dump", odd], stdin=yes.stdout)
    check(r.returncode == 0 and b'"name":"a"' in r.stdout, "dump fed by yes: %r" % r.stderr)
except subprocess.TimeoutExpired:
    check(False, "dump fed by yes never ended")
yes.kill()

# A pipe or a device is refused at once, in plain words, with nothing written.
fifo = path(b"pipe.lockbk")
os.mkfifo(fifo)
for target in (fifo, b"/dev/zero"):
    try:
        r = run(["dump", target], b"pw\n")
        check(r.returncode == 5 and b"not a file" in r.stderr,
              "dump of %r: %r" % (target, r.stderr))
    except subprocess.TimeoutExpired:
        check(False, "dump of %r hung" % target)
r = run(["create", "--force", fifo], b"pw\n{\"accounts\":[]}", timeout=10)
check(r.returncode == 5 and os.path.exists(fifo) and not os.path.isfile(fifo),
      "create over a pipe: %r" % r.stderr)

# At a terminal the prompt goes to standard error and the password is not echoed.
pid, fd = pty.fork()
if pid == 0:
    os.execv(cli, [cli, "dump", odd])
seen = b""
def read_for(seconds):
    global seen
    end = time.time() + seconds
    while time.time() < end:
        if select.select([fd], [], [], 0.1)[0]:
            try:
                seen += os.read(fd, 4096)
            except OSError:
                return
read_for(2)
check(b"Master password: " in seen, "prompt at a terminal: %r" % seen)
os.write(fd, b"hunter2pw\n")
read_for(2)
os.waitpid(pid, 0)
check(b"hunter2pw" not in seen, "the password was echoed: %r" % seen)

# Secrets never reach a core file: no core limit, not dumpable. /proc/PID
# files belong to root while an ordinary user's process is not dumpable.
waiting = subprocess.Popen(["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                            cli, "dump", odd], stdin=subprocess.PIPE,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(1)
limits = open("/proc/%d/limits" % waiting.pid).read()
core = [l for l in limits.splitlines() if l.startswith("Max core file size")][0].split()
check(core[4:6] == ["0", "0"], "core limit: %r" % core)
check(os.stat("/proc/%d/auxv" % waiting.pid).st_uid == 0, "the process is dumpable")
waiting.kill()
waiting.wait()

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
