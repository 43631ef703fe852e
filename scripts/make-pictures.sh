#!/bin/sh
# Draws the brand picture and the icons again and writes them into the source
# tree: ui/pictures/ and packaging/icons/. Run it after changing the drawing
# in scripts/make_pictures/, then commit the files it wrote.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-pictures"
cmake -S "$root/scripts/make_pictures" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j 2
QT_QPA_PLATFORM=offscreen "$build/make_pictures" "$root"
