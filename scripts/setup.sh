#!/bin/sh
# Installs what the build, the tests and `make run` need on Debian. Quick when all is present.
set -eu

PACKAGES="cmake ninja-build python3 g++ g++-mingw-w64-x86-64-posix wine64 xvfb xauth x11-apps imagemagick locales fonts-ipafont-gothic fonts-wine googletest nlohmann-json3-dev clang libclang-rt-14-dev"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

if [ -n "$missing" ]; then
    echo "setup: installing$missing"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf8$'; then
    echo "setup: generating ja_JP.UTF-8"
    $SUDO sh -c 'grep -q "^ja_JP.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null || echo "ja_JP.UTF-8 UTF-8" >> /etc/locale.gen; locale-gen ja_JP.UTF-8 >/dev/null'
fi
echo "setup: ready"
