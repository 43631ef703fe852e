#!/bin/sh
# Installs the Debian packages that building, testing and running need.
# As root it installs what is missing with apt-get; otherwise it prints the
# exact command to run and stops.
set -eu

packages="cmake g++ make qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
libfmt-dev libfast-float-dev emscripten googletest \
fonts-liberation xvfb xauth appstream desktop-file-utils dpkg-dev file \
xdotool dbus-x11 at-spi2-core python3-pyatspi clang-format lintian \
x11-utils icewm orca speech-dispatcher weston qt6-wayland \
chromium python3-fonttools python3-brotli \
firefox-esr webkit2gtk-driver gir1.2-webkit2-4.1 python3-gi $*"
# node and npm may come from another build than Debian's, which Debian's
# packages would conflict with: only a missing command asks for the package.
command -v node >/dev/null 2>&1 || packages="$packages nodejs"
command -v npm >/dev/null 2>&1 || packages="$packages npm"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Install them with:"
  echo "  sudo apt-get update && sudo apt-get install -y$missing"
  exit 1
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# shellcheck disable=SC2086
apt-get install -y -qq --no-install-recommends $missing
