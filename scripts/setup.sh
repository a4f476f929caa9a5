#!/usr/bin/env bash
# Installs what Morvane needs to build, test and run on Debian; skips what is present.
set -euo pipefail

packages=(
  g++ cmake ninja-build make
  clang libclang-rt-14-dev
  qt6-base-dev qt6-l10n-tools qt6-translations-l10n libgtest-dev
  fonts-dejavu-core
  xvfb xauth
  desktop-file-utils appstream shared-mime-info libglib2.0-bin dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
