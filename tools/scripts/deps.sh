#!/bin/sh
# Installs the Debian packages the build, the program and the tests need, when any is missing.
set -e
PKGS="build-essential cmake pkg-config libsdl2-dev libcairo2-dev libpango1.0-dev libgdk-pixbuf-2.0-dev
libcurl4-openssl-dev liblitehtml-dev libzstd-dev libgtest-dev libgmock-dev libbenchmark-dev libxtst-dev fontconfig fonts-dejavu-core fonts-arphic-uming
fonts-arphic-ukai fonts-wqy-zenhei xvfb xauth xdotool x11-apps x11-utils openbox imagemagick"
missing=""
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
