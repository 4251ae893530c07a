#!/bin/sh
# Installs the Debian packages the build and the tests need, but only those that are missing.
set -eu

packages="cmake ninja-build g++ make pkg-config clang libclang-rt-14-dev
qt6-base-dev qt6-translations-l10n libagg-dev libjpeg-dev libgif-dev libpng-dev
nlohmann-json3-dev libcli11-dev libgtest-dev libgmock-dev libbenchmark-dev
libpolyclipping-dev zlib1g-dev xdg-utils gerbv hp2xx
file imagemagick librsvg2-bin emf2svg poppler-utils"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
