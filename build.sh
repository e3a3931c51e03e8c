#!/usr/bin/env bash
# Set-up, build, start and test of the simulator on a Debian machine.
#   bash build.sh run    installs what is missing, builds, starts the simulator
#   bash build.sh test   installs what is missing, builds, runs every test (plain, sanitized, threads under the
#                        thread sanitizer, fuzzed)
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-run}
shift || true
jobs=$(nproc)

packages=(build-essential cmake ninja-build ccache pkg-config clang libclang-rt-dev
  libgtest-dev libbenchmark-dev libpng-dev libpixman-1-dev libfreetype-dev fonts-dejavu-core
  qt6-base-dev libhidapi-dev xvfb xauth imagemagick libjpeg-dev libgif-dev
  libjpeg-turbo-progs giflib-tools libstb-dev)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
  fi
}

configure_build() { # dir, extra cmake args...
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$jobs" ${targets:+--target $targets}
}

export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
install_missing

case "$mode" in
run)
  configure_build build
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting the simulator under a virtual X server."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" build/sim/app/meridox-sim "$@"
  fi
  exec build/sim/app/meridox-sim "$@"
  ;;
test)
  export QT_QPA_PLATFORM=offscreen
  configure_build build
  (cd build && ctest -j "$jobs" --output-on-failure --timeout 300)
  configure_build build-asan -DSIM_SANITIZE=ON -DSIM_BENCH=OFF
  (cd build-asan && ASAN_OPTIONS=detect_leaks=1 ctest -j "$jobs" --output-on-failure --timeout 600)
  # The tests that run threads (controller core, host and application thread) once more under the thread
  # sanitizer; only their binaries are built, so the stage stays within a few minutes.
  targets="test_controller_core test_sim" configure_build build-tsan -DSIM_TSAN=ON -DSIM_BENCH=OFF
  (cd build-tsan && TSAN_OPTIONS="suppressions=$PWD/../tests/tsan.supp" \
    ctest -j "$jobs" -L '^test_(controller_core|sim)$' --output-on-failure --timeout 600)
  configure_build build-fuzz -DSIM_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
  for f in build-fuzz/tests/fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    name=$(basename "$f")
    corpus=tests/fuzz/corpus/${name#fuzz_}
    mkdir -p "build-fuzz/corpus-$name"
    echo "Fuzzing $name for ${FUZZ_SECONDS:-30} s"
    "$f" -max_total_time="${FUZZ_SECONDS:-30}" -print_final_stats=0 "build-fuzz/corpus-$name" \
      $( [ -d "$corpus" ] && echo "$corpus" ) 2>&1 | tail -n 3
  done
  # The last word belongs to the plain suite, so its summary closes the run.
  (cd build && ctest -j "$jobs" --timeout 300 | tail -n 3)
  ;;
*)
  echo "usage: bash build.sh run|test" >&2
  exit 2
  ;;
esac
