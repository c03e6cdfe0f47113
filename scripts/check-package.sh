#!/usr/bin/env bash
# Builds the Debian package, installs it the way a user would, checks that the
# programs, the launcher and the account file type work on the installed
# system, and removes the package again so the machine is left as it was.
# Prints one PASS or FAIL line per check; exits non-zero when any check fails.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
apt_get() {
  "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -qq "$@"
}

scripts/install-deps.sh

# A build folder that is already configured (CI passes the one its tests just
# used) is packaged as it is, which saves compiling everything again.
build=${LB_PACKAGE_BUILD_DIR:-build/package}
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLB_BUILD_GUI=ON -DLB_BUILD_TESTS=OFF -DLB_BUILD_BENCH=OFF -DLB_BUILD_FUZZ=OFF >/dev/null
fi
cmake --build "$build" -j2
rm -f "$build"/lockerbook_*.deb
(cd "$build" && cpack -G DEB >/dev/null)

failures=0
pass() { echo "PASS: $1"; }
fail() {
  echo "FAIL: $1${2:+ ($2)}"
  failures=$((failures + 1))
}
# check NAME COMMAND...: one line for a command that succeeds or not.
check() {
  local name=$1
  shift
  if "$@"; then pass "$name"; else fail "$name"; fi
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/lockerbook_${version}_$(dpkg --print-architecture).deb"
check "package file is named $(basename "$deb")" test -f "$deb"

work=$(mktemp -d)
installed=false
remove_package() {
  if $installed; then
    apt_get remove lockerbook >/dev/null || true
    installed=false
  fi
}
trap 'remove_package; rm -rf "$work"' EXIT

if apt_get install "./$deb" >"$work/install.log" 2>&1; then
  installed=true
  pass "package installs with apt-get"
else
  cat "$work/install.log"
  fail "package installs with apt-get"
  echo "FAIL: package check ($failures failed)"
  exit 1
fi

# The programs, from the PATH as a user would start them.
check "lockerbook is on the PATH" test "$(command -v lockerbook)" = /usr/bin/lockerbook
libraries_found() { ! ldd "$1" | grep -q 'not found'; }
check "lockerbook finds all its libraries" libraries_found /usr/bin/lockerbook
set +e
usage=$(lockerbook-cli </dev/null 2>&1)
status=$?
set -e
if [ "$status" -eq 1 ] && [ -n "$usage" ]; then
  pass "lockerbook-cli without arguments exits 1 with: $(head -n 1 <<<"$usage")"
else
  fail "lockerbook-cli without arguments exits 1 with a usage text" "exit $status"
fi

# The manual, and Help > Help file finding it: the installed program under a
# virtual screen, F1 pressed, and a stand-in xdg-open that notes what it was given.
check "the manual is installed" test -s /usr/share/lockerbook/Lockerbook.html
mkdir -p "$work/bin" "$work/home"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
Xvfb :91 -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
env -i PATH="$work/bin:/usr/bin:/bin" HOME="$work/home" DISPLAY=:91 QT_QPA_PLATFORM=xcb \
  lockerbook >/dev/null 2>&1 &
app=$!
for _ in $(seq 1 50); do
  window=$(DISPLAY=:91 xdotool search --onlyvisible --name '^Lockerbook$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -n "$window" ]; then
  # No window manager runs here, so the window is given the keyboard directly:
  # activating it would need one.
  DISPLAY=:91 xdotool windowfocus --sync "$window" key F1 >/dev/null 2>&1 || true
  for _ in $(seq 1 25); do
    [ -s "$work/opened" ] && break
    sleep 0.2
  done
fi
kill "$app" "$xvfb" 2>/dev/null || true
wait "$app" "$xvfb" 2>/dev/null || true
if grep -q 'share/lockerbook/Lockerbook.html' "$work/opened" 2>/dev/null; then
  pass "Help > Help file opens the installed manual"
else
  fail "Help > Help file opens the installed manual" "opened: $(cat "$work/opened" 2>/dev/null)"
fi

# The launcher and the icon.
desktop=/usr/share/applications/lockerbook.desktop
if validation=$(desktop-file-validate "$desktop" 2>&1); then
  pass "desktop-file-validate accepts $desktop"
else
  echo "$validation"
  fail "desktop-file-validate accepts $desktop"
fi
check "the scalable icon is installed" test -f /usr/share/icons/hicolor/scalable/apps/lockerbook.svg
for size in 16 22 24 32 48 64 128 256; do
  png=/usr/share/icons/hicolor/${size}x${size}/apps/lockerbook.png
  if [ -f "$png" ] && file "$png" | grep -q "PNG image data, $size x $size"; then
    pass "the ${size}x${size} icon is installed"
  else
    fail "the ${size}x${size} icon is installed"
  fi
done

# The file type: registered by the shared-mime-info and desktop-file-utils triggers.
check "the shared MIME database knows application/x-lockerbook" \
  test -f /usr/share/mime/application/x-lockerbook.xml
check "the launcher is listed for application/x-lockerbook" \
  grep -q '^application/x-lockerbook=.*lockerbook\.desktop' /usr/share/applications/mimeinfo.cache

# Without a desktop session xdg-mime asks `mimetype`, which reads the shared MIME
# database; a bare environment keeps a desktop or a user's own settings out of it.
default=$(env -i PATH=/usr/bin:/bin HOME="$work" xdg-mime query default application/x-lockerbook || true)
if [ "$default" = lockerbook.desktop ]; then
  pass "xdg-mime opens application/x-lockerbook with lockerbook.desktop"
else
  fail "xdg-mime opens application/x-lockerbook with lockerbook.desktop" "got '$default'"
fi

printf '%s\n%s\n' 'check-password' \
  '{"accounts":[{"name":"Mail","user":"me","password":"pw","url":"","notes":""}]}' |
  lockerbook-cli create "$work/saved.lockbk" || true
if [ -s "$work/saved.lockbk" ]; then
  pass "lockerbook-cli create writes an account file"
  cp "$work/saved.lockbk" "$work/saved"
else
  fail "lockerbook-cli create writes an account file"
fi
printf '%s\n%s\n' 'check-password' '{"accounts":[]}' |
  lockerbook-cli create --legacy "$work/classic.lockbk" || true
cp "$work/classic.lockbk" "$work/classic"
printf 'Lockerbook\r\nSaved by an earlier version\r\n\r\nNumber Of Accounts: 0\r\n\r\n' \
  >"$work/old.lockbk"
cp "$work/old.lockbk" "$work/old"

for name in saved.lockbk saved classic.lockbk classic old.lockbk old; do
  type=$(env -i PATH=/usr/bin:/bin HOME="$work" xdg-mime query filetype "$work/$name" || true)
  if [ "$type" = application/x-lockerbook ]; then
    pass "xdg-mime names application/x-lockerbook for $name"
  else
    fail "xdg-mime names application/x-lockerbook for $name" "got '$type'"
  fi
done

# Leave the machine as it was.
apt_get remove lockerbook >/dev/null
installed=false
check "package removes cleanly" test ! -e /usr/bin/lockerbook-cli

if [ "$failures" -eq 0 ]; then
  echo "PASS: package check"
else
  echo "FAIL: package check ($failures failed)"
  exit 1
fi
