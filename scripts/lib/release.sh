# The Windows release archive: the i686 program with its program folder, in one zip.
# shellcheck shell=bash

FOLVARIC_RELEASE_DIR=$FOLVARIC_BUILD_ROOT/release

# release_archive BUILD_NAME LABEL: packs build/BUILD_NAME/Folvaric.exe and dist/ into
# build/release/Folvaric<version>-LABEL.zip, with one top folder Folvaric<version>.
release_archive() {
  local name=$1 arch=$2
  local exe=$FOLVARIC_BUILD_ROOT/$name/Folvaric.exe
  [[ -f $exe ]] || die "missing $exe (build $name first)"
  local version
  version=$(sed -n 's/^project(Folvaric VERSION \([0-9]\+\.[0-9]\+\).*/\1/p' "$FOLVARIC_ROOT/CMakeLists.txt")
  [[ -n $version ]] || die "no project version in CMakeLists.txt"
  mkdir -p "$FOLVARIC_RELEASE_DIR"
  /usr/bin/python3 "$FOLVARIC_ROOT/scripts/lib/release_zip.py" \
    "$FOLVARIC_RELEASE_DIR/Folvaric$version-$arch.zip" "Folvaric$version" "$exe" "$FOLVARIC_ROOT/dist"
}
