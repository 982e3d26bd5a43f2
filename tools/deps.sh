#!/usr/bin/env bash
# Installs the Debian packages that are missing:
#   tools/deps.sh play   what building and playing the game need
#   tools/deps.sh test   those, and what the tests, the fuzzing and the validators need
#   tools/deps.sh deb    what building and playing need, and what making the Debian package needs
#   tools/deps.sh web    what the browser build needs (tools/web-build)
#   tools/deps.sh webtest  that, and the browser that tools/web-test drives
set -euo pipefail
play=(build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libopenal-dev libopenal1
      libjpeg62-turbo-dev libpng-dev libfontconfig-dev fonts-dejavu-core libinih-dev
      gettext)
test=(googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev
      desktop-file-utils appstream clang libclang-rt-14-dev)
deb=(dpkg-dev file)
# The browser build compiles its libraries from Debian's source packages.
web=(emscripten cmake make dpkg-dev python3 fonts-dejavu-core gettext)
webtest=("${web[@]}" chromium)
case "${1:-}" in
  play) pkgs=("${play[@]}") ;;
  test) pkgs=("${play[@]}" "${test[@]}" "${deb[@]}") ;;
  deb) pkgs=("${play[@]}" "${deb[@]}") ;;
  web) pkgs=("${web[@]}") ;;
  webtest) pkgs=("${webtest[@]}") ;;
  *)
    echo "usage: tools/deps.sh play|test|deb|web|webtest" >&2
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
  # The browser's and emscripten's recommendations (printing, desktop services) are not needed.
  lean=()
  case "$1" in web | webtest) lean=(--no-install-recommends) ;; esac
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${lean[@]}" "${missing[@]}"
fi
