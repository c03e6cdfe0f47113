#!/usr/bin/env bash
# Installs every Debian package that building, testing, benchmarking, fuzzing
# and packaging Lockerbook need. Does nothing when they are all present; works
# as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
  libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-format-14
  qt6-qpa-plugins qt6-wayland
  xvfb xauth imagemagick x11-utils xdotool xclip
  python3
  libsodium-dev nlohmann-json3-dev zlib1g-dev
  # zxcvbn estimates password strength; wamerican's word list is read at
  # configure time for the passphrase words.
  libzxcvbn-dev wamerican
  desktop-file-utils shared-mime-info xdg-utils dpkg-dev fakeroot file
  # rsvg-convert draws the installed PNG icons; mimetype lets xdg-mime read the
  # shared MIME database on a machine without a desktop session.
  librsvg2-bin libfile-mimeinfo-perl
  poppler-utils fonts-dejavu-core
  # A private bus for the tests of the desktop's lock and sleep signals.
  dbus-daemon
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
