#!/bin/sh
# Level image files: renders the pictures of the level files 1, 2, 4, 6 and 8
# from their sources under assets/src/pictures/levN/ and writes
# assets/data/levN.lta with the project's writer, and the same files in English
# as assets/data/en/levN.lta: their pictures with words drawn in English, the
# others the same as in Czech.
#
# usage: tools/pictures/levels.sh [--png-only DIR]
#   --png-only DIR   render the PNGs (and copy the manifests) into DIR (English
#                    into DIR/en) and stop
#
# Run by tools/make-pictures, it uses that script's settings: PICTURES_WORK
# (scratch folder; the renders go to its levels/ folder), PICTURES_PREVIEW=1
# (render only), PICTURES_PYTHON, PICTURES_WRITER and PICTURES_DUMP.  Run on
# its own, it takes
#   LTA_WRITER   the writer program (default: build/tools/lta_writer, then
#                build/lta_writer)
#   PYTHON       a Python 3 with numpy and PIL (default: /usr/bin/python3)
#
# Needs rsvg-convert and the DejaVu fonts.  Deterministic: running it twice
# gives bit-identical files.
set -eu

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
SRC="$ROOT/assets/src/pictures"
PYTHON=${PICTURES_PYTHON:-${PYTHON:-/usr/bin/python3}}
LEVELS="1 2 4 6 8"
LANGS="en"  # besides Czech

png_only=""
if [ "${1:-}" = "--png-only" ]; then
  png_only=${2:?"--png-only needs a folder"}
elif [ -n "${PICTURES_WORK:-}" ] && [ "${PICTURES_PREVIEW:-0}" = 1 ]; then
  png_only="$PICTURES_WORK/levels"
fi

if [ -z "$png_only" ]; then
  writer=${PICTURES_WRITER:-${LTA_WRITER:-}}
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
  if [ -n "${PICTURES_WORK:-}" ]; then
    work="$PICTURES_WORK/levels"
    mkdir -p "$work"
  else
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT INT TERM
  fi
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
  for lang in $LANGS; do
    # start from the Czech pictures; make.py redraws those with words
    rm -rf "$work/$lang/lev$n"
    mkdir -p "$work/$lang"
    cp -r "$work/lev$n" "$work/$lang/lev$n"
    "$PYTHON" "$SRC/lev$n/make.py" "$work/$lang/lev$n" "$lang"
    cp "$SRC/lev$n/lev$n.manifest" "$work/$lang/lev$n.manifest"
  done
done

# every keyed picture: no visible pixel may reduce to the key's 16-bit value
"$PYTHON" "$SRC/check_keys.py" "$work" $LEVELS
for lang in $LANGS; do
  "$PYTHON" "$SRC/check_keys.py" "$work/$lang" $LEVELS
done

if [ -n "$png_only" ]; then
  exit 0
fi

mkdir -p "$ROOT/assets/data"
for n in $LEVELS; do
  for sub in "" $LANGS; do
    out="$ROOT/assets/data/${sub:+$sub/}lev$n.lta"
    mkdir -p "$(dirname "$out")"
    "$writer" "$work/${sub:+$sub/}lev$n.manifest" "$out"
    if [ -n "${PICTURES_DUMP:-}" ]; then
      "$PICTURES_DUMP" "$out" | tail -n 1
    fi
  done
done
echo "levels.sh: wrote assets/data/lev{$(echo $LEVELS | tr ' ' ',')}.lta and the same in $LANGS"
