#!/bin/sh
# Start-up benchmark: on a private X server, starts the calculator and the Qt
# floor window (bench/qt_floor.cpp) in turn (A B A B ...), one warm-up round
# and then $RUNS counted rounds, and
# prints per program the time to the window mapped, to its first frame
# painted, and the peak resident memory one second after the map, with the
# ratios of the medians to the Qt floor. It asserts nothing.
#
#   scripts/bench-startup.sh            builds in build-bench, then measures
#   RUNS=15 scripts/bench-startup.sh    more rounds
#   VARDEL=path/to/vardel scripts/bench-startup.sh
#
# Both run in a throwaway HOME with their own XDG folders, shared by all
# rounds: the warm-up round is their first run ever, the counted ones are
# ordinary starts. A program that maps more than one window is flagged (a
# first-run dialog, as a rule).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
runs=${RUNS:-9}
hold=${HOLD:-1}

"$root/scripts/install-deps.sh" x11-utils libx11-dev libxdamage-dev

if [ -z "${VARDEL:-}" ]; then
  cmake --preset bench -S "$root" >/dev/null
  cmake --build "$build" -j 2 --target vardel-startup-probe vardel-qt-floor
  # The calculator itself, when this tree has it yet.
  if cmake --build "$build" -j 2 --target vardel >/dev/null 2>&1; then
    VARDEL="$build/app/vardel"
  elif [ -x "$root/build/app/vardel" ]; then
    VARDEL="$root/build/app/vardel"
  else
    echo "note: no vardel executable to measure; measuring the floor only" >&2
    VARDEL=""
  fi
fi
probe="$build/bench/vardel-startup-probe"
floor="$build/bench/vardel-qt-floor"

work=$(mktemp -d "${TMPDIR:-/tmp}/vardel-startup.XXXXXX")
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

# A private server on the first free display number, which it reports itself.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
  >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY

# The same clean environment for every program.
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache" XDG_STATE_HOME="$HOME/.local/state"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_STATE_HOME"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY SESSION_MANAGER
# No session bus here: keep the toolkits from trying to start one.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" NO_AT_BRIDGE=1

names="vardel qt-floor"
command_of() {
  case "$1" in
    vardel) echo "$VARDEL" ;;
    qt-floor) echo "$floor" ;;
    *) command -v "$1" || true ;;
  esac
}

echo "display $DISPLAY, $runs counted rounds after one warm-up, memory read ${hold}s after the map"
for round in $(seq 0 "$runs"); do
  for name in $names; do
    cmd=$(command_of "$name")
    [ -n "$cmd" ] || continue
    if ! line=$("$probe" --hold "$hold" -- "$cmd" 2>>"$work/$name.stderr"); then
      echo "$name round $round: $line" >&2
      continue
    fi
    if [ "$round" -eq 0 ]; then
      echo "warm-up  $name: $line"
    else
      echo "$line" >>"$work/$name.runs"
    fi
  done
done

# min / median / max of one field of a program's runs.
stats() {
  [ -s "$work/$1.runs" ] || { echo "- - -"; return; }
  sed -n "s/.*$2=\([-0-9.]*\).*/\1/p" "$work/$1.runs" | sort -n |
    awk '{ v[NR] = $1 } END {
      if (NR == 0) { print "- - -"; exit }
      m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%s %s %s\n", v[1], m, v[NR] }'
}

echo
printf '%-12s %5s | %-26s | %-26s | %-26s | %s\n' program runs \
  "map ms (min/med/max)" "first frame ms" "VmHWM MiB" "med/floor: map frame mem"
floor_map=$(stats qt-floor map_ms | cut -d' ' -f2)
floor_frame=$(stats qt-floor frame_ms | cut -d' ' -f2)
floor_mem=$(stats qt-floor hwm_kb | cut -d' ' -f2)
for name in $names; do
  [ -s "$work/$name.runs" ] || continue
  count=$(wc -l <"$work/$name.runs")
  map=$(stats "$name" map_ms)
  frame=$(stats "$name" frame_ms)
  mem=$(stats "$name" hwm_kb)
  echo "$map|$frame|$mem|$floor_map|$floor_frame|$floor_mem" | awk -F'|' -v name="$name" -v n="$count" '
    function ratio(a, b) { return (b > 0) ? sprintf("%.2f", a / b) : "-" }
    { split($1, t, " "); split($2, f, " "); split($3, m, " ")
      printf "%-12s %5d | %7.1f %7.1f %8.1f   | %7.1f %7.1f %8.1f   | %7.1f %7.1f %8.1f   | %s %s %s\n",
        name, n, t[1], t[2], t[3], f[1], f[2], f[3], m[1] / 1024, m[2] / 1024, m[3] / 1024,
        ratio(t[2], $4), ratio(f[2], $5), ratio(m[2], $6) }'
done

echo
for name in $names; do
  [ -s "$work/$name.runs" ] || continue
  windows=$(sed -n 's/.*windows=\([0-9]*\).*/\1/p' "$work/$name.runs" | sort -n | tail -n 1)
  title=$(sed -n 's/.*size=\([0-9x]*\) title=\(.*\)/\2 (\1)/p' "$work/$name.runs" | sort | uniq -c |
    sort -rn | head -n 1 | sed 's/^ *[0-9]* //')
  note=""
  [ "${windows:-1}" -gt 1 ] && note="; mapped $windows top-level windows (a dialog?)"
  echo "$name: first window \"$title\"$note"
done
