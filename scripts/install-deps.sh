#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# asking apt only for those that are missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libgl-dev
    libjpeg-dev zlib1g-dev
    libwmf-dev libemf2svg-dev
    ghostscript fonts-urw-base35
    libgtest-dev libgmock-dev libbenchmark-dev valgrind
    libxcb1-dev libfontconfig-dev
    xvfb xauth x11-utils xdotool openbox fonts-liberation locales-all
    libuemf-dev xclip
    time
    fonts-dejavu-core
    desktop-file-utils appstream shared-mime-info gzip dpkg-dev
    ccache
    sway swaybg xwayland qt6-wayland xdg-desktop-portal xdg-desktop-portal-wlr xdg-desktop-portal-gtk
    pipewire grim wl-clipboard dbus-user-session python3
)
# node and npm for the colour reference test, unless the machine has them.
command -v npm >/dev/null || packages+=(nodejs npm)

# The reference colour libraries (colorjs.io, apca-w3) that the perceptual
# engine's comparison test runs against, from npm into the test's folder;
# where that fails, the test is skipped.
install_reference_libraries() {
    local reference
    reference="$(cd "$(dirname "$0")/.." && pwd)/tests/engine/reference"
    if command -v npm >/dev/null && [ ! -d "$reference/node_modules/colorjs.io" ]; then
        (cd "$reference" && npm install --no-audit --no-fund --silent) ||
            echo "npm install in $reference failed: the colour reference comparison will be skipped" >&2
    fi
}

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    install_reference_libraries
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
install_reference_libraries
