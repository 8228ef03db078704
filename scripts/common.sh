# Shared by the project's scripts: installs what is missing and builds into build/.
set -euo pipefail

PROJECT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$PROJECT_DIR/build}

# Debian 12 packages the build, the tests and the benchmarks need.
PACKAGES=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
    libgtest-dev libgmock-dev libbenchmark-dev
    libboost-math-dev
    fonts-dejavu-core
    poppler-utils
    qt6-translations-l10n
)

install_missing_packages() {
    local missing=()
    for package in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_project() {
    cmake -S "$PROJECT_DIR" -B "$BUILD_DIR" -G Ninja "$@"
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}
