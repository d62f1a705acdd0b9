# Shared set-up for scripts/test, scripts/demo and scripts/bench-wine.

VK_PACKAGES="cmake python3 ninja-build ccache g++ clang libclang-rt-14-dev googletest nlohmann-json3-dev libbenchmark-dev
libdxflib-dev libcairo2-dev pkg-config python3-ezdxf fonts-droid-fallback
g++-mingw-w64-x86-64-posix mingw-w64-tools wine64"

VK_JOBS=$(nproc 2>/dev/null || echo 2)

vk_install_packages() {
  local missing=()
  for p in $VK_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "installing: ${missing[*]}"
  local sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Trees: native and win64 are Debug builds for the tests; win64-release is the optimised DLL
# users install (and the programs that test it). Targets given build only those.
vk_configure_and_build() {
  local tree=$1 args=() type=Debug; shift
  case "$tree" in
    win64*) vk_fetch_dxflib || return 1
            args+=(-DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake") ;;
  esac
  case "$tree" in
    *-release) type=Release; args+=(-DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG") ;;
  esac
  vk_ccache_args args
  if [ ! -f "build/$tree/build.ninja" ]; then
    cmake -S . -B "build/$tree" -G Ninja -DCMAKE_BUILD_TYPE=$type "${args[@]}" >/dev/null || return 1
  fi
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --build "build/$tree" -j"$VK_JOBS" "${targets[@]}" || return 1
}

# dxflib's sources for the Windows receiver (MinGW has no dxflib package): Debian's source package,
# unpacked into build/dxflib. apt-get reads a source list of its own under build/, so the
# machine's apt sources and lists stay untouched. Skipped when the sources are already there.
VK_DXFLIB_DIR=build/dxflib
vk_fetch_dxflib() {
  [ -f "$VK_DXFLIB_DIR/src/dl_dxf.cpp" ] && return 0
  local apt=build/dxflib-apt
  rm -rf "$apt" && mkdir -p "$apt/lists/partial" "$apt/download" || return 1
  cat >"$apt/src.sources" <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
  # Lists and package caches of its own too: the system's apt state is never rewritten.
  mkdir -p "$apt/cache/archives/partial"
  local opts=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$PWD/$apt"
              -o Dir::State::Lists="$PWD/$apt/lists" -o Dir::Cache="$PWD/$apt/cache")
  echo "fetching dxflib's Debian source package"
  apt-get "${opts[@]}" update -qq >"$apt/update.log" 2>&1 || { cat "$apt/update.log" >&2; return 1; }
  (cd "$apt/download" && apt-get "${opts[@]}" source --download-only dxflib) >"$apt/source.log" 2>&1 ||
    { cat "$apt/source.log" >&2; return 1; }
  # Debian's patches (among them fixes of the sources) applied: by dpkg-source, else by hand.
  rm -rf "$VK_DXFLIB_DIR"
  if command -v dpkg-source >/dev/null; then
    dpkg-source --no-check -x "$apt"/download/dxflib_*.dsc "$VK_DXFLIB_DIR" >"$apt/unpack.log" 2>&1 ||
      { cat "$apt/unpack.log" >&2; return 1; }
  else
    local orig p
    orig=$(ls "$apt"/download/dxflib_*.orig.tar.* | head -n1)
    mkdir -p "$VK_DXFLIB_DIR" && tar -xf "$orig" -C "$VK_DXFLIB_DIR" --strip-components=1 &&
      tar -xf "$apt"/download/dxflib_*.debian.tar.* -C "$VK_DXFLIB_DIR" || return 1
    for p in $(grep -v '^#' "$VK_DXFLIB_DIR/debian/patches/series"); do
      patch -d "$VK_DXFLIB_DIR" -p1 -s <"$VK_DXFLIB_DIR/debian/patches/$p" || return 1
    done
  fi
  [ -f "$VK_DXFLIB_DIR/src/dl_dxf.cpp" ] || { echo "unexpected dxflib source layout" >&2; return 1; }
}

# Only the named targets of the native tree (the demo's drawing programs).
vk_configure_native_targets() { vk_configure_and_build native "$@"; }

# What the Release tree builds for the demo and the Wine benchmark: the DLL users install and the
# stand-ins around it, optimised like it.
VK_RELEASE_TARGETS="vellumark vk_office_host vk_receiver vk_receiver_report vk_link_bench"

# The add-in's end-to-end programs of the Debug tree, run again against the Release DLL: what users
# install is the DLL, and the programs only drive it through COM and windows, so they need not be
# optimised, and the test command builds nothing of the Release tree but the DLL. (The in-process
# add-in tests link the add-in's objects rather than load the DLL: they stay with the Debug tree.)
VK_RELEASE_E2E_TESTS="vk_e2e_tests"
VK_RELEASE_E2E_PROGRAMS="vk_e2e_tests vk_office_host vk_receiver"

# Runs them one at a time from build/win64-release/e2e-bin, a folder of their own beside the
# Release DLL (the tests find the DLL, the host and the receiver beside themselves), in the
# Release tree's Wine prefix; each program's results go to build/win64-release/test-results.
# Returns non-zero if one of them failed or left no results.
vk_run_release_e2e() {
  local tree=build/win64-release bin=build/win64-release/e2e-bin rc=0 p
  local results=$PWD/$tree/test-results
  rm -rf "$bin" "$results" && mkdir -p "$bin" "$results" || return 1
  cp "$tree/bin/Vellumark.dll" "$bin/" || return 1
  for p in $VK_RELEASE_E2E_PROGRAMS; do cp "build/win64/bin/$p.exe" "$bin/" || return 1; done
  for p in $VK_RELEASE_E2E_TESTS; do
    timeout -k 10 300 scripts/wine-run "$tree/wineprefix" "$PWD/$bin/$p.exe" \
      --gtest_output="xml:Z:$results/$p.xml" </dev/null || rc=1
  done
  return $rc
}

# A compiler cache, when VK_CCACHE is 1 (scripts/test sets it unless it is 0): a machine that
# runs the tests again, from this tree or another clone, recompiles only what changed. Paths are
# hashed relative to the tree (CCACHE_BASEDIR), so clones in other folders share the objects; the
# precompiled headers need ccache's "pch_defines,time_macros" sloppiness to be cached. Depend
# mode takes the headers from the compiler's own dependency list instead of running the
# preprocessor again: a first build, whose every file misses, costs hardly more than without.
vk_use_ccache() {
  export VK_CCACHE=${VK_CCACHE-1}
  [ "$VK_CCACHE" = 1 ] || return 0
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1 CCACHE_SLOPPINESS=pch_defines,time_macros CCACHE_DEPEND=1
}
vk_ccache_args() {
  local -n out=$1
  [ "${VK_CCACHE:-0}" = 1 ] && command -v ccache >/dev/null || return 0
  out+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
}

# libFuzzer targets live in their own clang tree.
vk_build_fuzz() {
  [ -f tests/fuzz/CMakeLists.txt ] || return 0
  if [ ! -f build/fuzz/build.ninja ]; then
    local args=(); vk_ccache_args args
    # -O1 with line tables only: reports keep file and line, and the core compiles about a fifth
    # faster than with -O2 -g.
    local flags="-O1 -gline-tables-only -DNDEBUG"
    CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DVK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$flags" -DCMAKE_C_FLAGS_RELWITHDEBINFO="$flags" "${args[@]}" >/dev/null || return 1
  fi
  # Only the fuzzers: the rest of the tree is built and tested by the g++ and MinGW trees.
  if ! cmake --build build/fuzz -j"$VK_JOBS" --target fuzz_targets >build/fuzz/build.log 2>&1; then
    echo "fuzz build failed:" >&2; grep -E -A8 'error|FAILED' build/fuzz/build.log | head -n 40 >&2; return 1
  fi
}

# Runs the fuzz targets side by side for a short fixed time; prints the number that found
# something.
vk_run_fuzz() {
  local pids=() names=() n=0 i
  [ -d build/fuzz/tests/fuzz ] || { echo 0; return; }
  for f in build/fuzz/tests/fuzz/fuzz_*; do
    [ -x "$f" ] && [ -f "$f" ] || continue
    case "$f" in *.log) continue ;; esac
    "$f" -max_total_time=10 -rss_limit_mb=2048 >"$f.log" 2>&1 &
    pids+=($!); names+=("$f")
  done
  for i in "${!pids[@]}"; do
    if ! wait "${pids[$i]}"; then
      echo "fuzz target $(basename "${names[$i]}") found a fault:" >&2; tail -n 30 "${names[$i]}.log" >&2; n=$((n+1))
    fi
  done
  echo $n
}

# Passed and failed test cases of a tree whose programs (those named, else every program CTest
# knows there) wrote GoogleTest XML results; a program that left no results (it crashed or hung)
# counts as one failure.
vk_count_gtest_results() {
  local tree=$1 passed=0 failed=0 program xml tests failures errors programs
  shift
  programs=${*:-$(cd "$tree" && ctest -N | sed -n 's/^ *Test *#[0-9]*: //p')}
  for program in $programs; do
    xml=$tree/test-results/$program.xml
    if [ ! -f "$xml" ]; then
      echo "$program left no results" >&2; failed=$((failed+1)); continue
    fi
    tests=$(sed -n 's/.*<testsuites tests="\([0-9]*\)".*/\1/p' "$xml" | head -n1)
    failures=$(sed -n 's/.*<testsuites [^>]*failures="\([0-9]*\)".*/\1/p' "$xml" | head -n1)
    errors=$(sed -n 's/.*<testsuites [^>]*errors="\([0-9]*\)".*/\1/p' "$xml" | head -n1)
    tests=${tests:-0}; failures=${failures:-0}; errors=${errors:-0}
    passed=$((passed + tests - failures - errors)); failed=$((failed + failures + errors))
  done
  echo "$passed $failed"
}

# Wall and CPU seconds of each phase of a command, one line each in $VK_PHASE_LOG (in the order the
# phases end), for the summary the command prints. CPU is that of every process the phase ran.
VK_PHASE_LOG=$PWD/build/test-phases.log
vk_phase_log_start() { mkdir -p build && printf '%-46s %6s %6s\n' "phase" "wall" "cpu" >"$VK_PHASE_LOG"; }
# A phase measured by the caller (wall seconds only).
vk_phase_note() { printf '%-46s %4d s\n' "$1" "$2" >>"$VK_PHASE_LOG"; }
# vk_timed <phase> <command...>: runs the command in a subshell of its own (foreground or, with &,
# in the background) and keeps its exit status.
vk_timed() {
  local name=$1; shift
  (
    t0=${EPOCHREALTIME/[.,]/}
    "$@"; rc=$?
    t1=${EPOCHREALTIME/[.,]/}
    read -r -a f </proc/$BASHPID/stat
    printf '%-46s %4d s %4d s\n' "$name" $(( (t1 - t0 + 500000) / 1000000 )) \
      $(( (f[13] + f[14] + f[15] + f[16] + 50) / 100 )) >>"$VK_PHASE_LOG"
    exit $rc
  )
}
