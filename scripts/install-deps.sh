#!/bin/sh
# Installs the Debian packages Talvex Studio needs to build, test and run.
# Does nothing when every package is already present.
set -eu

PACKAGES="
g++ cmake ninja-build ccache pkg-config make git
qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-webengine-dev
libqscintilla2-qt6-dev libpcre2-dev libpugixml-dev libssl-dev libzip-dev
php-cli python3
wordpress mediawiki phpmyadmin universal-ctags
libgtest-dev libgmock-dev libbenchmark-dev openssl
xvfb xauth
dpkg-dev desktop-file-utils appstream strace
clang libclang-rt-14-dev
"

missing=""
for pkg in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $pkg"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Fehlende Pakete:$missing" >&2
    echo "Bitte als root ausführen: scripts/install-deps.sh" >&2
    exit 1
fi

echo "Installiere:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update
# shellcheck disable=SC2086
apt-get install -y --no-install-recommends $missing
