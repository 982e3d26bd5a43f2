#!/usr/bin/env bash
# The built-in lists: vrt and ostrovy (the program's sprites and screens) and
# window (the main window's panel pictures). Called by tools/make-pictures.
set -euo pipefail
: "${HELI_ROOT:?run tools/make-pictures}" "${PICTURES_WORK:?}" "${PICTURES_PYTHON:?}"

"$PICTURES_PYTHON" "$HELI_ROOT/tools/pictures/builtin.py" "$PICTURES_WORK/builtin" vrt ostrovy window

if [ "${PICTURES_PREVIEW:-0}" = 1 ]; then
  exit 0
fi
for list in vrt ostrovy window; do
  "$PICTURES_WRITER" "$PICTURES_WORK/builtin/$list/manifest" "$HELI_ROOT/assets/$list.lta"
  "$PICTURES_DUMP" "$HELI_ROOT/assets/$list.lta" | tail -n 1
done
