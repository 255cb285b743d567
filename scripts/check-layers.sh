#!/usr/bin/env bash
# Fails on an include that runs upward between the product folders. Each
# folder may include its own headers and those of the folders below it:
#   framework < core < view < search, print < resources < dialogs < app
# resources (menus, templates, strings) sit under app and dialogs, which
# read them, and name command identifiers from view. The application opens
# the dialog boxes, so dialogs sit under app.
set -euo pipefail
cd "$(dirname "$0")/.."

levels="framework=0 core=1 view=2 search=3 print=3 resources=4 dialogs=5 app=6"
dirs=()
for pair in $levels; do
  [ -d "${pair%=*}" ] && dirs+=("${pair%=*}")
done

status=0
# One pass over every include line: file:line:text.
grep -rn '#include "' "${dirs[@]}" --include='*.h' --include='*.cpp' |
  awk -v levels="$levels" '
    BEGIN { n = split(levels, pairs, " "); for (i = 1; i <= n; i++) { split(pairs[i], kv, "="); level[kv[1]] = kv[2] } }
    {
      split($0, parts, ":"); dir = parts[1]; sub(/\/.*/, "", dir)
      if (!match($0, /#include "[a-z]*\//)) next
      target = substr($0, RSTART + 10, RLENGTH - 11)
      if (!(target in level) || target == dir) next
      if (level[target] >= level[dir]) { print "upward include: " $0 > "/dev/stderr"; bad = 1 }
    }
    END { exit bad }' || status=1
# The toolkit stays behind the platform layer.
outside_qt=()
for path in core view search print app dialogs resources framework/headless framework/*.h framework/*.cpp; do
  [ -e "$path" ] && outside_qt+=("$path")
done
if grep -rln '#include <Q' "${outside_qt[@]}"; then
  echo "a Qt header outside framework/qt (files above)" >&2
  status=1
fi
exit $status
