#!/bin/sh
# Installs the Debian packages of the groups named (run, test, web, format,
# bench, fuzz), and any packages named besides. As root it installs what is
# missing with apt-get; otherwise it prints the exact command to run and stops.
#   run     what the desktop program needs to build and run
#   test    the logic and window tests and the clients they run the program
#           against (X server, window manager, screen reader, Wayland),
#           the package checks, the decimal-comma locale, the PDF readers; and
#           the web group
#   web     the WebAssembly engine, the site's build and its three browsers
#   format  clang-format
#   bench   Google Benchmark
#   fuzz    clang and libFuzzer
set -eu

run="cmake g++ make qt6-base-dev libfmt-dev libfast-float-dev nlohmann-json3-dev fonts-liberation"
web="emscripten chromium firefox-esr webkit2gtk-driver gir1.2-webkit2-4.1 python3-gi \
python3-fonttools python3-brotli esbuild webp zopfli binaryen"
test="libgtest-dev libgmock-dev googletest locales xvfb xauth appstream desktop-file-utils \
dpkg-dev file lintian poppler-utils xdotool dbus-x11 at-spi2-core python3-pyatspi x11-utils icewm orca \
speech-dispatcher weston qt6-wayland"
format="clang-format"
bench="libbenchmark-dev"
fuzz="clang libclang-rt-14-dev"

packages="$run"
node=false
for word in "$@"; do
  case "$word" in
    run) ;;
    test) packages="$packages $test $web $format"; node=true ;;
    web) packages="$packages $web"; node=true ;;
    format) packages="$packages $format" ;;
    bench) packages="$packages $bench" ;;
    fuzz) packages="$packages $fuzz" ;;
    *) packages="$packages $word" ;;
  esac
done
# node and npm may come from another build than Debian's, which Debian's
# packages would conflict with: only a missing command asks for the package.
if $node; then
  command -v node >/dev/null 2>&1 || packages="$packages nodejs"
  command -v npm >/dev/null 2>&1 || packages="$packages npm"
fi

missing=""
for p in $packages; do
  case " $missing " in *" $p "*) continue ;; esac
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
