#!/usr/bin/env bash
# Fails on an include that runs upward between the product folders. Each
# folder may include its own headers and those of the folders below it:
#   framework < core < view < search, print < resources < dialogs < app
# resources (menus, templates, strings) sit under app and dialogs, which
# read them, and name command identifiers from view. The application opens
# the dialog boxes, so dialogs sit under app.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A level=([framework]=0 [core]=1 [view]=2 [search]=3 [print]=3 [resources]=4 [dialogs]=5 [app]=6)

status=0
for dir in "${!level[@]}"; do
  [ -d "$dir" ] || continue
  while IFS=: read -r file line text; do
    target=$(sed -n 's/.*#include "\([a-z]*\)\/.*/\1/p' <<<"$text")
    [ -n "$target" ] && [ -n "${level[$target]+x}" ] || continue
    if [ "$target" != "$dir" ] && [ "${level[$target]}" -ge "${level[$dir]}" ]; then
      echo "upward include: $file:$line: $text" >&2
      status=1
    fi
  done < <(grep -rn '#include "' "$dir" --include='*.h' --include='*.cpp' || true)
done
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
