#!/usr/bin/env bash
# The built-in lists: vrt and ostrovy (the program's sprites and screens) and
# window (the main window's panel pictures), in Czech as assets/LIST.lta and, for
# a list with words, in English as assets/en/LIST.lta. Called by tools/make-pictures.
set -euo pipefail
: "${HELI_ROOT:?run tools/make-pictures}" "${PICTURES_WORK:?}" "${PICTURES_PYTHON:?}"

"$PICTURES_PYTHON" "$HELI_ROOT/tools/pictures/builtin.py" "$PICTURES_WORK/builtin" vrt ostrovy window

if [ "${PICTURES_PREVIEW:-0}" = 1 ]; then
  exit 0
fi
for list in vrt ostrovy window; do
  "$PICTURES_WRITER" "$PICTURES_WORK/builtin/$list/manifest" "$HELI_ROOT/assets/$list.lta"
  "$PICTURES_DUMP" "$HELI_ROOT/assets/$list.lta" | tail -n 1
  for lang in en; do
    manifest="$PICTURES_WORK/builtin/$lang/$list/manifest"
    out="$HELI_ROOT/assets/$lang/$list.lta"
    if [ -f "$manifest" ]; then
      mkdir -p "$HELI_ROOT/assets/$lang"
      "$PICTURES_WRITER" "$manifest" "$out"
      "$PICTURES_DUMP" "$out" | tail -n 1
    else
      rm -f "$out"  # the list has no words (any more)
    fi
  done
done
