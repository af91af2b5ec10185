#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing.
# clang with its runtime libraries (libFuzzer, the sanitizers) and llvm's
# symbolizer serve `make fuzz`; clang-format `make format`; dpkg-dev `make package`;
# the desktop and AppStream validators and strace the check of an install.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-multimedia-dev
  qt6-translations-l10n
  libgtest-dev
  xvfb xauth
  poppler-utils
  dpkg-dev desktop-file-utils appstream shared-mime-info strace
  clang libclang-rt-dev llvm
  clang-format
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=""
else
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
