# Shared by the two set-up commands: the Debian packages and the build.

VEMO_BUILD_PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev libqrencode-dev libpng-dev libcpp-httplib-dev"
VEMO_TEST_PACKAGES="libgtest-dev libgmock-dev fonts-dejavu-core zbar-tools"
# Only for -DVEMO_BUILD_BENCHMARKS=ON.
VEMO_BENCH_PACKAGES="libbenchmark-dev"
# The palette on screen: a Japanese font, and a virtual display for machines without one.
VEMO_RUN_PACKAGES="fonts-ipafont-gothic xvfb"

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@"
}

build_tree() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build build
}
