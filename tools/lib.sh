# Shared by the two set-up commands: the Debian packages and the build.

# libxml2-dev and liblzma-dev: the stand-in host links libxml2 and what it needs statically.
VEMO_BUILD_PACKAGES="build-essential cmake ninja-build pkg-config qt6-base-dev libqrencode-dev libpng-dev libxml2-dev liblzma-dev libmicrohttpd-dev"
# locales: the German locale that the text tests build, to read numbers under a comma locale.
# fonts-ipafont-gothic: real Japanese glyph widths for the tests that texts fit their controls.
VEMO_TEST_PACKAGES="libgtest-dev libgmock-dev fonts-dejavu-core fonts-ipafont-gothic zbar-tools locales"
# For -DVEMO_BUILD_BENCHMARKS=ON, which the test command builds (and does not run).
VEMO_BENCH_PACKAGES="libbenchmark-dev"
# Only for -DVEMO_BUILD_FUZZERS=ON: clang and its libFuzzer and sanitizer runtimes.
VEMO_FUZZ_PACKAGES="clang libclang-rt-14-dev"
# The palette on screen: a Japanese font, a virtual display for machines without one, and
# setcap, so the chart service may bind port 80 without root.
VEMO_RUN_PACKAGES="fonts-ipafont-gothic xvfb libcap2-bin"

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$@"
}

# build_tree ON|OFF [target...]: configures build/ with or without the tests, then builds the
# targets (all of them when none is named). With the tests come the benchmarks, built only, so
# that a change that breaks one fails the test command too.
build_tree() {
    tests=$1
    shift
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING="$tests" \
        -DVEMO_BUILD_BENCHMARKS="$tests"
    if [ "$#" -eq 0 ]; then
        cmake --build build
    else
        cmake --build build --target "$@"
    fi
}

# build_sanitized_tree: configures and builds build-asan/, the whole suite under AddressSanitizer
# and UndefinedBehaviorSanitizer.
build_sanitized_tree() {
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
        -DVEMO_SANITIZE=ON
    cmake --build build-asan
}
