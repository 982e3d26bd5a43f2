#!/bin/sh
# Level image files: renders the pictures of the level files 1, 2, 4, 6 and 8
# from their sources under assets/src/pictures/levN/ and writes
# assets/data/levN.lta with the project's writer.
#
# usage: tools/pictures/levels.sh [--png-only DIR]
#   --png-only DIR   render the PNGs (and copy the manifests) into DIR and stop
#
# Environment:
#   LTA_WRITER   the writer program (default: build/tools/lta_writer, then
#                build/lta_writer)
#   PYTHON       a Python 3 with numpy and PIL (default: /usr/bin/python3)
#
# Needs rsvg-convert and the DejaVu fonts.  Deterministic: running it twice
# gives bit-identical files.
set -eu

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
SRC="$ROOT/assets/src/pictures"
PYTHON=${PYTHON:-/usr/bin/python3}
LEVELS="1 2 4 6 8"

png_only=""
if [ "${1:-}" = "--png-only" ]; then
  png_only=${2:?"--png-only needs a folder"}
fi

if [ -z "$png_only" ]; then
  writer=${LTA_WRITER:-}
  if [ -z "$writer" ]; then
    for w in "$ROOT/build/tools/lta_writer" "$ROOT/build/lta_writer"; do
      if [ -x "$w" ]; then writer=$w; break; fi
    done
  fi
  if [ -z "$writer" ] || [ ! -x "$writer" ]; then
    echo "levels.sh: no lta_writer found (build it: cmake --build build --target lta_writer," \
         "or set LTA_WRITER)" >&2
    exit 1
  fi
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT INT TERM
else
  mkdir -p "$png_only"
  work=$(cd "$png_only" && pwd)
fi

for n in $LEVELS; do
  echo "levels.sh: level file $n"
  rm -rf "$work/lev$n"
  mkdir -p "$work/lev$n"
  "$PYTHON" "$SRC/lev$n/make.py" "$work/lev$n"
  cp "$SRC/lev$n/lev$n.manifest" "$work/lev$n.manifest"
done

# every keyed picture: no visible pixel may reduce to the key's 16-bit value
"$PYTHON" "$SRC/check_keys.py" "$work" $LEVELS

if [ -n "$png_only" ]; then
  exit 0
fi

mkdir -p "$ROOT/assets/data"
for n in $LEVELS; do
  "$writer" "$work/lev$n.manifest" "$ROOT/assets/data/lev$n.lta"
done
echo "levels.sh: wrote assets/data/lev{$(echo $LEVELS | tr ' ' ',')}.lta"
