#!/usr/bin/env bash
# Installs everything that building and testing need on a Debian 12 machine.
# Idempotent: when every package is present and the locale exists it only checks and returns.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest clang-format
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 xvfb xserver-xephyr xdotool x11-utils imagemagick sox libsox-fmt-mp3 lame
  pulseaudio pulseaudio-utils
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly
  libgl1-mesa-dri libglu1-mesa
  locales fonts-ipafont-gothic procps psmisc
  python3 unzip nsis
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine takes its code page from LANG only when glibc has the locale; without it Wine silently
# falls back to 1252 and every Japanese name breaks. ja_JP.UTF-8 gives code page 932, en_US.UTF-8
# code page 1252 (an English or European Windows), which the tests run under too.
for wanted in ja_JP en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$wanted\.utf-\?8\$"; then
    echo "setup: generating $wanted.UTF-8"
    $SUDO sed -i "s/^# *\($wanted.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen || echo "$wanted.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  fi
done

# The posix thread model is the one that gives std::thread and friends; make it the default.
for tool in x86_64-w64-mingw32-g++ x86_64-w64-mingw32-gcc; do
  if [ -e "/usr/bin/$tool-posix" ] && [ "$(readlink -f "/usr/bin/$tool")" != "$(readlink -f "/usr/bin/$tool-posix")" ]; then
    $SUDO update-alternatives --set "$tool" "/usr/bin/$tool-posix" >/dev/null
  fi
done
echo "setup: ready"
