# Installs what the builds and tests need, and only what is missing.
# shellcheck shell=bash

FOLVARIC_PACKAGES=(
  cmake make g++ libgtest-dev libbenchmark-dev libjpeg-dev clang libclang-rt-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine64 xvfb xdotool x11-utils imagemagick e2fsprogs
  fonts-wqy-zenhei fonts-wine locales
  dpkg-dev python3
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
  ensure_source_packages
}

# The Windows builds compile libjpeg from Debian's libjpeg-turbo source package
# (cmake/libjpeg_mingw.cmake runs `apt-get source`), which needs deb-src entries and their index.
# The entries mirror the machine's own Debian entries, so they use the same mirror.
FOLVARIC_DEB_SRC_LIST=/etc/apt/sources.list.d/folvaric-deb-src
ensure_source_packages() {
  if apt-cache showsrc libjpeg-turbo 2>/dev/null | grep -q '^Package:'; then
    return 0
  fi
  local sudo=()
  ((EUID == 0)) || sudo=(sudo)
  if ! grep -rqsE '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    log "adding Debian's source packages to apt ($FOLVARIC_DEB_SRC_LIST.*)"
    local stanzas lines
    # deb822 stanzas signed with Debian's archive key, as deb-src.
    stanzas=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
      awk 'BEGIN { RS = ""; ORS = "\n\n" }
           /(^|\n)Types:[^\n]*deb/ && /debian-archive-keyring/ { sub(/Types:[^\n]*/, "Types: deb-src"); print }')
    # One-line entries of the classic sources.list, as deb-src.
    lines=$(sed -n 's/^deb[[:space:]]\+/deb-src /p' /etc/apt/sources.list 2>/dev/null || true)
    [[ -n $stanzas ]] && printf '%s\n' "$stanzas" | "${sudo[@]}" tee "$FOLVARIC_DEB_SRC_LIST.sources" >/dev/null
    [[ -n $lines ]] && printf '%s\n' "$lines" | "${sudo[@]}" tee "$FOLVARIC_DEB_SRC_LIST.list" >/dev/null
    [[ -n $stanzas || -n $lines ]] || die "no Debian entry in apt's sources to take source packages from"
  fi
  log "updating apt's source package index"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
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
