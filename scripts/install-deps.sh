#!/bin/sh
# Installs what building, testing and running the editor need on Debian or Ubuntu, when it is missing.
# Safe to run again: it installs nothing when everything is there.
set -eu

packages="cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core libbenchmark-dev \
xvfb xauth imagemagick git jq python3 python3-jsonschema groff-base $*"

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
