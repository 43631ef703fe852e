#!/bin/sh
# Starts the calculator, or explains in one line why it cannot be shown.
set -eu
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "vardel: no display to show the window on (DISPLAY is not set); run it on a desktop, or under xvfb-run." >&2
  exit 1
fi
exec "$1"
