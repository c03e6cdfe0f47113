"""lockerbook-cli import as a person moving in uses it: export files of each
kind, written here with the header lines those programs write, imported into
a new account file and read back with dump; refusals that name every place
and write nothing; and Lockerbook's own export back into the very same
accounts. Usage: cli_import.py CLI WORKDIR."""

import json
import os
import subprocess
import sys
import tempfile

cli = sys.argv[1]
work = tempfile.mkdtemp(dir=sys.argv[2])
failures = []
new = os.path.join(work, "new.lockbk")
export = os.path.join(work, "export.csv")


def check(ok, what):
    if not ok:
        failures.append(what)


def run(args, data=b"pw\n"):
    return subprocess.run([cli] + args, input=data, capture_output=True, timeout=60)


def write_export(content):
    with open(export, "wb") as f:
        f.write(content.encode("utf-8") if isinstance(content, str) else content)


def import_export(source, content, legacy=True):
    """Imports content (UTF-8 if str) into a fresh file; the run, and the new
    file's dump (None when nothing was written). Legacy files unless asked,
    so that most imports do not wait for the sealed file's key derivation."""
    write_export(content)
    if os.path.exists(new):
        os.remove(new)
    r = run(["import"] + (["--legacy"] if legacy else []) + [new, source, export])
    return r, run(["dump", new]).stdout if os.path.exists(new) else None


def acct(name, user, password, url="", notes=""):
    return {"name": name, "user": user, "password": password, "url": url, "notes": notes}


FIELDS = ("name", "user", "password", "url", "notes")


def texts(dump):
    """The five texts of each account of a dump, without identities and times."""
    return [{k: a[k] for k in FIELDS} for a in json.loads(dump)["accounts"]] if dump else None


FIREFOX = ('"url","username","password","httpRealm","formActionOrigin","guid","timeCreated",'
           '"timeLastUsed","timePasswordChanged"\r\n')
BITWARDEN = ("folder,favorite,type,name,notes,fields,reprompt,login_uri,login_username,"
             "login_password,login_totp\n")
KEEPASSXC = ('"Group","Title","Username","Password","URL","Notes","TOTP","Icon","Last Modified",'
             '"Created"\n')

IMPORTS = [
    ("chrome", "\ufeffname,url,username,password,note\r\n"
     "Mail,https://mail.example/,ann,\"p,w\"\"1\",\"two\nlines\"\r\n"
     ",https://nothing.example,,,only a url\r\n",
     [acct("Mail", "ann", 'p,w"1', "https://mail.example/", "two\r\nlines")],
     "Imported 1 account from a Chrome export; skipped 1 row: 1 empty.\n"),
    ("chrome", "name,url,username,password\nBank,https://bank.example,bob,s3cret,",
     None, "row"),  # a last line without a line end, and one value too many
    ("chrome", "name,url,username,password\nBank,https://bank.example,bob,s3cret",
     [acct("Bank", "bob", "s3cret", "https://bank.example")],
     "Imported 1 account from a Chrome export.\n"),
    ("firefox", FIREFOX +
     '"https://me@www.example.com:8080/login","jo","caf\u00e9","","https://www.example.com",'
     '"{1}","1","2","3"\r\n"http://[::1]:631/","root","x","CUPS","","{2}","1","2","3"\r\n',
     [acct("www.example.com", "jo", "caf\u00e9", "https://me@www.example.com:8080/login"),
      acct("[::1]", "root", "x", "http://[::1]:631/")],
     "Imported 2 accounts from a Firefox export.\n"),
    ("bitwarden", BITWARDEN +
     "Work,1,login,VPN,remember,,0,https://vpn.example,amy,pw1,JBSWY3DP\n"
     ",,login,Shop,,\"pin: 1234\nq: blue\",0,,sam,pw2,\n"
     "Work,,card,Visa,,,0,,,,\n,,note,Diary,dear diary,,0,,,,\n,,login,,,,0,,,,\n",
     [acct("VPN", "amy", "pw1", "https://vpn.example",
           "Folder: Work\r\nremember\r\nTOTP: JBSWY3DP"),
      acct("Shop", "sam", "pw2", "", "pin: 1234\r\nq: blue")],
     "Imported 2 accounts from a Bitwarden export; skipped 3 rows: 1 empty, 2 not a login.\n"),
    ("keepassxc", KEEPASSXC +
     '"Root/Email","Mail","me","\u20ac5","https://m.example","a\nb","","0","x","y"\n',
     [acct("Mail", "me", "\u20ac5", "https://m.example", "Group: Root/Email\r\na\r\nb")],
     "Imported 1 account from a KeePassXC export.\n"),
]
for source, content, want, said in IMPORTS:
    for kind in (source, "auto"):
        r, dump = import_export(kind, content)
        if want is None:
            check(r.returncode == 1 and dump is None and said.encode() in r.stderr,
                  "%s refuses %r: %r" % (kind, content, r.stderr))
            continue
        got = texts(dump)
        check(got == want, "%s: %r (%r)" % (kind, got, r.stderr))
        check(r.returncode == 0 and r.stderr.decode() == said and r.stdout == b"",
              "%s says %r %r" % (kind, r.stderr, r.stdout))

# Unknown columns are listed once, whatever the number of rows, and the rest is imported.
r, dump = import_export("chrome", "name,url,extra,username,password,extra,other\n"
                        "A,u,x,b,c,y,z\nD,u,x,e,f,y,z\n")
check(dump is not None and len(texts(dump)) == 2, "unknown columns: %r" % dump)
check(r.stderr.decode().splitlines()[0] == 'Not imported, as a Chrome export has no such '
      'columns: "extra", "other".', "unknown columns listed once: %r" % r.stderr)

# Moving in from KeePassXC: text in any script comes over exactly, with its times.
WORLD = (KEEPASSXC +
         '"Root/Mail","\u042f\u043d\u0434\u0435\u043a\u0441 \u041f\u043e\u0447\u0442\u0430","ivan","\u043f\u0430\u0440\u043e\u043b\u044c","https://mail.yandex.ru","","","0",'
         '"2024-05-06T07:08:09Z","2020-01-02T03:04:05Z"\n'
         '"Root","\u652f\u4ed8\u5b9d Alipay","\u674e\u5c0f\u9f99","\u5bc6\u7801","","","","0","",""\n'
         '"Root/Games","\U0001F3AE Steam","gamer","p\u00e4ss","","","","0","x","y"\n')
r, dump = import_export("keepassxc", WORLD, legacy=False)
check(r.returncode == 0 and texts(dump) == [
    acct("\u042f\u043d\u0434\u0435\u043a\u0441 \u041f\u043e\u0447\u0442\u0430", "ivan", "\u043f\u0430\u0440\u043e\u043b\u044c", "https://mail.yandex.ru",
         "Group: Root/Mail"),
    acct("\u652f\u4ed8\u5b9d Alipay", "\u674e\u5c0f\u9f99", "\u5bc6\u7801", "", "Group: Root"),
    acct("\U0001F3AE Steam", "gamer", "p\u00e4ss", "", "Group: Root/Games")],
    "text in any script: %r %r" % (texts(dump), r.stderr))
first = json.loads(dump)["accounts"][0] if dump else {}
check(first.get("created") == "2020-01-02T03:04:05.000Z" and
      first.get("modified") == "2024-05-06T07:08:09.000Z", "KeePassXC's times kept: %r" % first)
r, dump = import_export("firefox", FIREFOX + '"https://a.example","u","p","","","{1}",'
                        '"1577934245000","2","1715000000000"\n', legacy=False)
first = json.loads(dump)["accounts"][0] if dump else {}
check(first.get("created") == "2020-01-02T03:04:05.000Z" and
      first.get("modified") == "2024-05-06T12:53:20.000Z", "Firefox's times kept: %r" % first)

# What cannot be imported as it stands refuses the whole import before the
# password is asked for, names every place, and writes nothing.
REFUSALS = [
    ("chrome", "name,url,username,password\nB,u,v,w\nC,\"two\nlines\",v,w\n".encode() +
     b"D,u,\xff\xfe,p\n", ['line 5, "username": is not valid UTF-8']),
    ("firefox", FIREFOX + '"https://a.example","u","p"\n', ["line 2: 3 values where the header"]),
    ("chrome", "name,url,username,password\nA,u,\"open,p\nB,u,v,w\n",
     ["the quoted value that starts on line 2 is never closed"]),
    ("bitwarden", "folder,type,name,login_uri,login_password\n",
     ['lacks the column "login_username"']),
    ("keepassxc", "", ["the file is empty"]),
    ("chrome", "name,url,username,password,password\n", ['"password" twice']),
    ("lockerbook", "a,b,c,d\r\n", ["line 1: 4 values where a Lockerbook export has five"]),
    ("auto", "Title,User,Password\r\n", ["none of the known header lines"]),
    ("yahoo", "", ["SOURCE is chrome"]),
]
os.remove(new)
# The legacy format holds Western text only: what it cannot keep is named.
LEGACY_REFUSALS = [
    ("chrome", "name,url,username,password\nA,u,\u4e2d,p\nB,u,v,\u00ff\n"
     .encode() + "E,u,v,\U0001F600\n".encode(),
     ['line 2, "username": holds U+4E2D \'\u4e2d\', which the legacy format cannot keep',
      'line 3, "password": holds U+00FF \'\u00ff\', which the legacy format cannot keep',
      'line 4, "password": holds U+1F600']),
]
for legacy, rows in (([], REFUSALS), (["--legacy"], LEGACY_REFUSALS)):
    for source, content, said in rows:
        write_export(content)
        r = run(["import"] + legacy + [new, source, export], b"")
        err = r.stderr.decode("utf-8", "replace")
        check(r.returncode == 1 and not os.path.exists(new) and all(s in err for s in said),
              "refusal of %r: %d %r" % (content, r.returncode, err))

# The export file is read as account files are: a device is refused at once.
r = run(["import", new, "auto", "/dev/zero"])
check(r.returncode == 5 and b"not a file" in r.stderr, "a device: %r" % r.stderr)

# Lockerbook's own export reads back into the very same accounts, byte for byte.
# The first name starts with the Windows-1252 bytes of a UTF-8 byte-order mark.
accounts = [acct("\u00ef\u00bb\u00bfCaf\u00e9", "a,b", 'p"w', "", "x\r\ny"),
            acct("Bank", "", "pw", "u", " "),
            acct("", "", "", "only a url", "and notes"), acct("", "", ""),
            acct("\u20ac", "line\rcr", "tab\there", ",", '""'),
            acct('"', "ends\r\n", "", "name,url,username,password", "\n")]
source = os.path.join(work, "source.lockbk")
run(["create", "--legacy", source], b"pw\n" + json.dumps({"accounts": accounts}).encode())
own = os.path.join(work, "own.csv")
run(["export", source, "4", own])
with open(own, "rb") as f:
    own_bytes = f.read()
want = texts(run(["dump", source]).stdout)
for kind, legacy in (("lockerbook", True), ("auto", True), ("lockerbook", False)):
    r, dump = import_export(kind, own_bytes, legacy)
    check(texts(dump) == want, "round trip through %s: %r %r" % (kind, dump, r.stderr))
with open(new, "rb") as f:
    check(f.read().startswith(b"\x89LBK"), "an import is sealed unless --legacy")

# Text beyond Windows-1252 exports as UTF-8 after a byte-order mark and comes back the same.
world = accounts + [acct("\u042f\u043d\u0434\u0435\u043a\u0441", "\u674e", "\U0001F3AE", "\u05e9\u05dc\u05d5\u05dd", "e\u0301")]
os.remove(source)
run(["create", source], b"pw\n" + json.dumps({"accounts": world}).encode())
run(["export", source, "4", own])
with open(own, "rb") as f:
    own_bytes = f.read()
check(own_bytes.startswith(b"\xef\xbb\xbf"), "a UTF-8 export starts with its mark")
r, dump = import_export("lockerbook", own_bytes, False)
check(texts(dump) == world, "round trip of any text: %r %r" % (texts(dump), r.stderr))

for f in failures:
    print("FAIL:", f)
print("ok" if not failures else "%d failures" % len(failures))
sys.exit(1 if failures else 0)
