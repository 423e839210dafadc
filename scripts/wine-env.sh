# Sourced: sets up the project's own Wine prefix under the build folder.
# Usage: source scripts/wine-env.sh <prefix-dir>
export WINEPREFIX="$1"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv,winepulse.drv="
export WINEARCH=win64

pixa_prepare_prefix() {
  [ -f "$WINEPREFIX/.pixaport-ready" ] || pixa_create_prefix
  [ -f "$WINEPREFIX/.pixaport-unmanaged" ] || pixa_unmanage_windows
}

# Without a window manager, destroying a managed window waits 2 s for one to react:
# unmanaged windows close at once (Wine draws their frames itself).
pixa_unmanage_windows() {
  cat > "$WINEPREFIX/pixaport-unmanaged.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
  wine regedit /S "$WINEPREFIX/pixaport-unmanaged.reg" >/dev/null 2>&1 || true
  wineserver -w
  touch "$WINEPREFIX/.pixaport-unmanaged"
}

pixa_create_prefix() {
  mkdir -p "$WINEPREFIX"
  # wineboot needs no display; its "syswow64\rundll32.exe" complaint is harmless.
  DISPLAY= wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  # Without Wine's own fonts the system font is substituted and dialog units come out wrong.
  cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
  # Let Wine draw frames and captions itself when there is no window manager.
  cat > "$WINEPREFIX/pixaport.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Decorated"="N"
REG
  wine regedit /S "$WINEPREFIX/pixaport.reg" >/dev/null 2>&1 || true
  wineserver -w
  touch "$WINEPREFIX/.pixaport-ready"
}
