#!/bin/sh
# The layers' include rules. Each folder below may include only the folders
# its line names (its own first); only ui/ and app/ may include a Qt header.
# tests/, bench/ and scripts/ may include any layer. Prints each include that
# breaks a rule; fails if there is one.
set -eu
cd "$(dirname "$0")/.."
rules='core: core
calc: core calc
department: core calc department
practice: core calc department practice
panel: core calc department practice panel
ui: core calc department practice panel ui
web: core calc department practice panel web
app: core calc department practice panel ui app'
layers=$(echo "$rules" | cut -d: -f1 | tr '\n' ' ')
found=0
echo "$rules" | {
  while IFS=: read -r folder allowed; do
    for layer in $layers; do
      case " $allowed " in *" $layer "*) continue ;; esac
      if grep -rnE "^\s*#\s*include\s*[<\"]$layer/" "$folder"; then
        echo "these files of $folder/ include $layer/, which $folder/ may not" >&2
        found=1
      fi
    done
    case "$folder" in ui | app) continue ;; esac
    if grep -rnE '^\s*#\s*include\s*<Q[A-Za-z]*(/[A-Za-z]+)?>' "$folder"; then
      echo "these files of $folder/ include a Qt header" >&2
      found=1
    fi
  done
  [ "$found" -eq 0 ] && echo "layers: every include follows the rules"
  exit "$found"
}
