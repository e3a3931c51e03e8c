#!/usr/bin/env bash
# Set-up, build, start and test of the simulator on a Debian machine.
#   bash build.sh run    installs what is missing, builds the simulator and the sample design, starts the simulator
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

configure() { # dir, extra cmake args...
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

# Builds run below the tests' priority: a stage's tests, some of which time what they wait for, run while the next
# stage builds, and the build takes only the cores they leave.
build() { # dir, targets...
  local dir=$1
  shift
  local targets=()
  (($#)) && targets=(--target "$@")
  nice -n 10 cmake --build "$dir" -j "$jobs" "${targets[@]}"
}

# A stage that runs in the background while the next one builds: its output goes to <dir>/<name>.log and is shown
# when the run ends; its exit status is kept in <dir>/<name>.status.
background() { # dir, name, command...
  local dir=$1 name=$2
  shift 2
  rm -f "$dir/$name.status"
  ( set +e; "$@" >"$dir/$name.log" 2>&1; echo $? >"$dir/$name.status" ) &
  stages+=("$dir/$name")
}

# Every fuzz target at once for the same wall-clock time; crash files stay in the fuzz build's folder.
run_fuzzers() {
  local pids=() names=() f name corpus r=0
  for f in build-fuzz/tests/fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    name=$(basename "$f")
    corpus=tests/fuzz/corpus/${name#fuzz_}
    mkdir -p "build-fuzz/corpus-$name" "build-fuzz/artifacts-$name"
    # New inputs go to the first corpus folder, the one in the fuzz build; the committed corpus is only read.
    nice -n 10 "$f" -max_total_time="${FUZZ_SECONDS:-30}" -print_final_stats=0 \
      -artifact_prefix="build-fuzz/artifacts-$name/" "build-fuzz/corpus-$name" $([ -d "$corpus" ] && echo "$corpus") \
      >"build-fuzz/$name.log" 2>&1 &
    pids+=($!)
    names+=("$name")
  done
  for i in "${!pids[@]}"; do
    if wait "${pids[$i]}"; then
      echo "Fuzzed ${names[$i]} for ${FUZZ_SECONDS:-30} s:" \
        "$(grep -E '^#[0-9]+' "build-fuzz/${names[$i]}.log" | tail -n 1)"
    else
      echo "Fuzzing ${names[$i]} FAILED:"
      tail -n 30 "build-fuzz/${names[$i]}.log"
      r=1
    fi
  done
  return $r
}

export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/ccache}
install_missing

case "$mode" in
run)
  # Only what the simulator needs: its program and the sample design, no tests or benchmarks.
  configure build
  build build meridox-sim sample_design
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display (DISPLAY and WAYLAND_DISPLAY are not set): the simulator runs under a virtual X server," \
      "where nothing can be seen; Ctrl+C ends it."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" build/sim/app/meridox-sim "$@"
  fi
  exec build/sim/app/meridox-sim "$@"
  ;;
test)
  export QT_QPA_PLATFORM=offscreen
  # Each stage is built once, with every core; the tests of a stage run while the next stage builds, so no core
  # waits for a stage's slowest test.
  stages=()
  failed=0
  # Waits for the stages still running, shows what each of them wrote, and ends the run; the last word belongs to
  # the plain suite, so its summary closes the run.
  finish() {
    wait
    for s in "${stages[@]}"; do
      echo
      echo "==== ${s%/*}: ${s##*/}"
      cat "$s.log"
      [ "$(cat "$s.status" 2>/dev/null)" = 0 ] || { echo "==== ${s%/*}: ${s##*/} FAILED"; failed=1; }
    done
    echo
    grep -E 'tests passed|Total Test time' build/tests.log 2>/dev/null || true
    exit $failed
  }
  configure build
  configure build-asan -DSIM_SANITIZE=ON -DSIM_BENCH=OFF
  configure build-tsan -DSIM_TSAN=ON -DSIM_BENCH=OFF
  configure build-fuzz -DSIM_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
  build build || { failed=1; finish; }
  background build tests bash -c 'cd build && ctest -j "$0" --output-on-failure --timeout 300' "$jobs"
  # AddressSanitizer and UndefinedBehaviorSanitizer over the whole suite: the test binaries and what they use.
  build build-asan all_tests || { failed=1; finish; }
  background build-asan tests bash -c 'cd build-asan && ASAN_OPTIONS=detect_leaks=1 \
    ctest -j "$0" --output-on-failure --timeout 600' "$jobs"
  # The tests that run threads (controller core, host and application thread) once more under the thread
  # sanitizer; only their binaries are built.
  build build-tsan test_controller_core test_sim || { failed=1; finish; }
  background build-tsan tests bash -c 'cd build-tsan && TSAN_OPTIONS="suppressions=$PWD/../tests/tsan.supp" \
    ctest -j "$0" -L "^test_(controller_core|sim)$" --output-on-failure --timeout 600' "$jobs"
  # The fuzz build holds the libraries and the fuzz targets only.
  build build-fuzz || { failed=1; finish; }
  background build-fuzz fuzzers run_fuzzers
  finish
  ;;
*)
  echo "usage: bash build.sh run|test" >&2
  exit 2
  ;;
esac
