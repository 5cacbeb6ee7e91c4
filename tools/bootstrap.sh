#!/usr/bin/env bash
# Installs the Debian packages the build and the Wine test rig need; does nothing when they are there.
set -euo pipefail

packages=(
  cmake make g++ googletest valgrind
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 fonts-wine
  xvfb x11-utils imagemagick
  fonts-ipafont-gothic locales
  python3 osslsigncode openssl
)

"$(dirname "$0")/install-packages" bootstrap "${packages[@]}"

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# Wine takes the code page from the locale: ja_JP.UTF-8 makes it 932.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "bootstrap: generating ja_JP.UTF-8"
  if ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'ja_JP.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  fi
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
