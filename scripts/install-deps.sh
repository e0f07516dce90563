#!/usr/bin/env bash
# Installs every Debian package needed to build vantorel and run its tests.
# Safe to run again: packages already present are skipped.
set -euo pipefail

packages=(
  # build
  build-essential cmake pkg-config
  # image and drawing libraries the program links
  libfreeimage-dev libdevil-dev libjxr-dev libopenjp2-7-dev libtiff-dev libarchive-dev libpng-dev libjpeg-dev
  libcairo2-dev libpango1.0-dev fontconfig fonts-liberation fonts-dejavu-core
  qt6-base-dev
  # tests: GoogleTest and independent decoders for the outputs
  libgtest-dev imagemagick libjxr-tools openexr libopenjp2-tools
  # window-mode tests: a real X server and a way to close the window from outside, as a desktop does
  xvfb xauth xdotool
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
