# Installs what the builds and tests need, and only what is missing.
# shellcheck shell=bash

FOLVARIC_PACKAGES=(
  cmake make g++ libgtest-dev libbenchmark-dev libjpeg-dev clang
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine64 xvfb xdotool x11-utils imagemagick
  fonts-wqy-zenhei fonts-wine locales
)

_folvaric_missing_packages() {
  local pkg status
  for pkg in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || printf '%s\n' "$pkg"
  done
}

ensure_packages() {
  local -a missing
  mapfile -t missing < <(_folvaric_missing_packages "${FOLVARIC_PACKAGES[@]}")
  if ((${#missing[@]})); then
    log "installing: ${missing[*]}"
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" </dev/null
  fi
  ensure_locale
}

# Wine converts file names and command lines between Unix and Windows through the Unix locale's
# character set; without an installed zh_CN.UTF-8 locale Chinese names would be mangled.
ensure_locale() {
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8'; then
    log "generating the zh_CN.UTF-8 locale"
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
  fi
}
