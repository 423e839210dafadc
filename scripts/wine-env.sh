# Sourced: sets up the project's own Wine prefix under the build folder.
# Usage: source scripts/wine-env.sh <prefix-dir>
export WINEPREFIX="$1"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv="
export WINEARCH=win64

pixa_prepare_prefix() {
  [ -f "$WINEPREFIX/.pixaport-ready" ] || pixa_create_prefix
  [ -f "$WINEPREFIX/.pixaport-x11" ] || pixa_set_x11_options
}

pixa_create_prefix() {
  mkdir -p "$WINEPREFIX"
  # wineboot needs no display; its "syswow64\rundll32.exe" complaint is harmless.
  DISPLAY= wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # Without Wine's own fonts the system font is substituted and dialog units come out wrong.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  touch "$WINEPREFIX/.pixaport-ready"
}

# There is no window manager under Xvfb: Wine draws frames and captions itself
# (Decorated), and unmanaged windows close at once instead of waiting 2 s for a
# window manager to react (Managed).
pixa_set_x11_options() {
  cat > "$WINEPREFIX/pixaport-x11.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
"Managed"="N"
REG
  wine regedit /S "$WINEPREFIX/pixaport-x11.reg" >/dev/null 2>&1 || true
  wineserver -w
  touch "$WINEPREFIX/.pixaport-x11"
}
