#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the benchmarks need. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsqlite3-dev libcurl4-openssl-dev libxlsxwriter-dev
  libgtest-dev libgmock-dev googletest
  lhasa gzip
  vsftpd
  fonts-ipafont-gothic fontconfig
  locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
