#!/usr/bin/env bash
# Installs what Tamberlo needs to build, run and test on Debian 12.
# Does nothing when everything is there already.
set -euo pipefail
# Build: compilers, CMake, Qt and the device libraries; clang's runtime for the
# fuzz run; ccache, the compiler cache of the developers' configure command.
# Run: Qt's own Dutch texts, Qt Multimedia's GStreamer backend and the fonts
# the program draws with. Tests: GoogleTest, Google Benchmark, pdftotext (print
# tests), Python 3 (the layer check).
PACKAGES=(build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev ccache
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-multimedia-dev qt6-translations-l10n
  libhidapi-dev libftdi1-dev libusb-1.0-0-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-dejavu-core fonts-comic-neue
  libgtest-dev libgmock-dev libbenchmark-dev poppler-utils python3)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
