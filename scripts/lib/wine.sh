# The private Wine prefix under build/ and the environment the programs run in.
# shellcheck shell=bash

FOLVARIC_WINEPREFIX=$FOLVARIC_BUILD_ROOT/wineprefix
# Bump when the settings below change, so that existing prefixes are rebuilt.
FOLVARIC_WINEPREFIX_REVISION=3

# Exports what every Wine call of these scripts needs.
folvaric_wine_env() {
  export WINEPREFIX=$FOLVARIC_WINEPREFIX
  export WINEARCH=win64
  export WINEDEBUG=${WINEDEBUG:--all}
  # No Mono or Gecko: the program needs neither, and their installers would ask on screen.
  export WINEDLLOVERRIDES="mscoree=;mshtml="
}

# wine64 with the Chinese locale (ANSI code page 936, UTF-8 for Unix names). It is set for Wine
# alone so that the scripts' own tools keep the caller's locale.
run_wine() {
  env LC_ALL="$FOLVARIC_WINE_LOCALE" "$FOLVARIC_WINE" "$@"
}

_folvaric_wine_reg() {
  run_wine reg add "$@" /f >/dev/null
}

# prepare_wine_prefix: creates the prefix once; later calls only check the stamp.
prepare_wine_prefix() {
  folvaric_wine_env
  local stamp=$WINEPREFIX/.folvaric-prefix
  local want
  want="revision $FOLVARIC_WINEPREFIX_REVISION; $("$FOLVARIC_WINE" --version)"
  if [[ -f $stamp && $(<"$stamp") == "$want" && -f $WINEPREFIX/user.reg ]]; then
    return 0
  fi
  log "preparing the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  run_wine wineboot -i >/dev/null 2>&1 || true
  "$FOLVARIC_WINESERVER" -w

  # Debian's Wine looks for its own fonts (Marlett for the caption buttons, Tahoma, the .fon
  # system fonts) beside /usr/share/wine instead of in it; the prefix's Fonts folder is always
  # searched, so they go there.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"

  # Without a window manager Wine's managed windows have no frame; unmanaged, Wine draws the
  # caption and menu bar itself, as Windows would.
  _folvaric_wine_reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
  # A crashing program must fail the test, not wait for someone to close a dialog.
  _folvaric_wine_reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
  # Chinese glyphs for the dialog fonts and for SimSun. The "Sharp" face of WenQuanYi Zen Hei
  # carries bitmap strikes for the small sizes (12 to 16 pixels), as SimSun does on Chinese
  # Windows; the outline face, drawn there without smoothing, loses strokes.
  local font
  for font in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'MS Sans Serif' 'Microsoft Sans Serif'; do
    _folvaric_wine_reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$font" /t REG_MULTI_SZ /d 'wqy-zenhei.ttc,WenQuanYi Zen Hei Sharp'
  done
  for font in '宋体' SimSun; do
    _folvaric_wine_reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$font" /t REG_SZ /d 'WenQuanYi Zen Hei Sharp'
  done
  # Wine knows the text document type (Notepad) but does not tie .txt files to it: the help
  # documents would open nowhere.
  _folvaric_wine_reg 'HKLM\Software\Classes\.txt' /ve /t REG_SZ /d txtfile
  _folvaric_wine_reg 'HKLM\Software\Classes\.txt' /v 'Content Type' /t REG_SZ /d text/plain
  "$FOLVARIC_WINESERVER" -w
  grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" || die "the Wine prefix did not take its settings"
  printf '%s' "$want" >"$stamp"
}

# Ends what is left in the private prefix (only this prefix's server and its programs).
stop_wine_prefix() {
  folvaric_wine_env
  timeout 15 "$FOLVARIC_WINESERVER" -w 2>/dev/null || "$FOLVARIC_WINESERVER" -k 2>/dev/null || true
}
