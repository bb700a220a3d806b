#!/bin/sh
# Installs every Debian 12 package that building, running and testing Ravelmark needs.
# Run as root. Packages that are already installed are skipped; if all are, apt is not touched.
set -eu

PACKAGES="
  g++ cmake make pkg-config
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev
  libfontconfig-dev fonts-urw-base35 fonts-dejavu-core
  libcairo2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -z "$missing" ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages:$missing (run this script as root)" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update
# shellcheck disable=SC2086
apt-get install -y --no-install-recommends $missing
