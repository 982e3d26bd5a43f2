#!/usr/bin/env bash
# Installs the Debian packages that are missing:
#   tools/deps.sh play   what building and playing the game need
#   tools/deps.sh test   those, and what the tests, the fuzzing and the validators need
#   tools/deps.sh deb    what building and playing need, and what making the Debian package needs
set -euo pipefail
play=(build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libopenal-dev libopenal1
      libjpeg62-turbo-dev libpng-dev libfontconfig-dev fonts-dejavu-core libinih-dev
      gettext)
test=(googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev
      desktop-file-utils appstream clang libclang-rt-14-dev)
deb=(dpkg-dev file)
case "${1:-}" in
  play) pkgs=("${play[@]}") ;;
  test) pkgs=("${play[@]}" "${test[@]}" "${deb[@]}") ;;
  deb) pkgs=("${play[@]}" "${deb[@]}") ;;
  *)
    echo "usage: tools/deps.sh play|test|deb" >&2
    exit 2
    ;;
esac
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
