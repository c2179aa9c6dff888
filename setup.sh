#!/bin/sh
# Set-up for a Debian 12 machine: installs what is missing, builds, and then
#   sh setup.sh demo   makes data/ and starts the demo
#   sh setup.sh test   runs every test headless: the suite, the same suite built
#                      with AddressSanitizer and UndefinedBehaviorSanitizer, and
#                      the decoders' fuzz targets for 30 s each
set -eu
mode=${1:-demo}
cd "$(dirname "$0")"

build="cmake g++ make pkg-config libsdl2-dev libgl-dev libegl-dev libgl1-mesa-dri libglx-mesa0 libegl-mesa0
       libpng-dev libjpeg-dev libogg-dev libvorbis-dev libcairo2-dev libpango1.0-dev fonts-dejavu-core"
tests="libgtest-dev xvfb xauth xdotool ffmpeg clang libclang-rt-14-dev"
case "$mode" in
  demo) packages=$build ;;
  test) packages="$build $tests" ;;
  *) echo "usage: sh setup.sh demo|test" >&2; exit 2 ;;
esac

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$jobs"

case "$mode" in
  demo) exec ./build/demo ;;
  test)
    ctest --test-dir build --output-on-failure -j "$jobs"
    cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEMO_SANITIZE=ON
    cmake --build build-sanitize -j "$jobs"
    # The whole-program runs on a real X server are covered by the plain build.
    # Mesa's shader cache writes to disk from a thread of its own, which the
    # leak check's stop-the-world has been seen to crash on at exit: the cache
    # is off here, and a failing test gets one more run, so a crash of the
    # checker itself does not fail the suite while a real fault fails both.
    MESA_SHADER_CACHE_DISABLE=true ASAN_OPTIONS=detect_leaks=1 \
      LSAN_OPTIONS=suppressions=$(pwd)/tests/sanitize.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
      ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -E '^System\.' --repeat until-pass:2
    sh tools/fuzz/run.sh 30
    ;;
esac
