#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some are missing.
set -euo pipefail
pkgs=(build-essential cmake pkg-config libsdl2-dev libsdl2-ttf-dev libopenal-dev libopenal1
      libjpeg62-turbo-dev libpng-dev libfontconfig-dev fonts-dejavu-core
      googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev
      desktop-file-utils appstream clang libclang-rt-14-dev)
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
