#!/usr/bin/env bash
# Installs everything a fresh Debian 12 machine lacks to build, test and run the project.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

PACKAGES=(
    # build
    cmake ninja-build g++ pkg-config
    # Qt 6 with the serial port module, Designer forms and translations
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
    # the toolkit's own texts (the standard buttons of message boxes) in the language chosen
    qt6-translations-l10n
    # icon sets that the build turns into resources
    famfamfam-silk famfamfam-flag-png
    # sanitizer and fuzzer builds
    clang libclang-rt-14-dev
    # text of the printed PDF pages in the printing tests
    poppler-utils
    # private network namespace for tests that broadcast
    iproute2 util-linux
    # the demo's window where there is no display
    xvfb xauth
    # the themes' font family "Arial": fontconfig maps it to Liberation Sans, which has Arial's metrics, so
    # texts fit the forms' widths (without it the wider DejaVu Sans cuts them)
    fonts-liberation2
)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
