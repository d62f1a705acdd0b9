# Shared set-up for scripts/test and scripts/demo.

VK_PACKAGES="cmake ninja-build g++ clang libclang-rt-14-dev googletest nlohmann-json3-dev libbenchmark-dev
g++-mingw-w64-x86-64-posix mingw-w64-tools wine64"

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

vk_configure_and_build() {
  local tree=$1 args=()
  [ "$tree" = win64 ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake")
  vk_ccache_args args
  if [ ! -f "build/$tree/build.ninja" ]; then
    cmake -S . -B "build/$tree" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${args[@]}" >/dev/null || return 1
  fi
  cmake --build "build/$tree" -j2 || return 1
}

# Developers with several work trees set VK_CCACHE=1 (and ccache's base_dir to the folder above
# them, so one tree's objects serve the others).
vk_ccache_args() {
  local -n out=$1
  [ -n "${VK_CCACHE:-}" ] && command -v ccache >/dev/null || return 0
  out+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
}

# libFuzzer targets live in their own clang tree.
vk_build_fuzz() {
  [ -f tests/fuzz/CMakeLists.txt ] || return 0
  if [ ! -f build/fuzz/build.ninja ]; then
    local args=(); vk_ccache_args args
    CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DVK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo "${args[@]}" >/dev/null || return 1
  fi
  # Only the fuzzers: the rest of the tree is built and tested by the g++ and MinGW trees.
  if ! cmake --build build/fuzz -j2 --target fuzz_targets >build/fuzz/build.log 2>&1; then
    echo "fuzz build failed:" >&2; grep -E -A8 'error|FAILED' build/fuzz/build.log | head -n 40 >&2; return 1
  fi
}

# Runs each fuzz target for a short fixed time; prints the number that found something.
vk_run_fuzz() {
  local n=0
  [ -d build/fuzz/tests/fuzz ] || { echo 0; return; }
  for f in build/fuzz/tests/fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    if ! "$f" -max_total_time=10 -rss_limit_mb=2048 >"$f.log" 2>&1; then
      echo "fuzz target $(basename "$f") found a fault:" >&2; tail -n 30 "$f.log" >&2; n=$((n+1))
    fi
  done
  echo $n
}
