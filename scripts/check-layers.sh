#!/bin/sh
# The layers' include rules: no file of core/, calc/, panel/ or web/ includes
# the Qt window's folder ui/, and no file of core/, calc/ or panel/ includes
# a Qt header. Prints each include that breaks a rule; fails if there is one.
set -eu
cd "$(dirname "$0")/.."
found=0
if grep -rnE '^\s*#\s*include\s*[<"]ui/' core calc panel web; then
  echo "these files include ui/, the Qt window" >&2
  found=1
fi
if grep -rnE '^\s*#\s*include\s*<Q[A-Za-z]*(/[A-Za-z]+)?>' core calc panel; then
  echo "these files include a Qt header" >&2
  found=1
fi
[ "$found" -eq 0 ] && echo "layers: no wrong-way include in core/, calc/, panel/ or web/"
exit "$found"
