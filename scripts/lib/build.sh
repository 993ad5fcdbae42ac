# Configuring and building the three build trees.
# shellcheck shell=bash

# build_tree NAME [cmake args...]: configures build/NAME once, then builds it incrementally
# (the build itself re-runs CMake when a CMake file or a globbed folder changes).
build_tree() {
  local name=$1
  shift
  local dir=$FOLVARIC_BUILD_ROOT/$name
  if [[ ! -f $dir/Makefile ]]; then
    cmake -S "$FOLVARIC_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@"
  fi
  cmake --build "$dir" -j2
}

build_windows() {
  local arch=$1 name=$2
  build_tree "$name" -DCMAKE_TOOLCHAIN_FILE="$FOLVARIC_ROOT/cmake/toolchain-mingw-$arch.cmake"
}
