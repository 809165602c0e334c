# Sourced by the run and test scripts: a Wine prefix of the build's own, the Chinese ANSI
# code page (936) through a locale generated into the build folder, and an X display.
# lumo_wine_start_xvfb starts a private Xvfb on a free display; lumo_wine_stop ends the
# wineserver and the Xvfb that this shell started, and nothing else.
lumo_root=${lumo_root:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEARCH=win32
export WINEPREFIX=${LUMO_WINEPREFIX:-$lumo_root/${LUMO_BUILD:-build}/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export LOCPATH=$lumo_root/build/locale
lumo_xvfb_pid=""

lumo_wine_locale() {
  if [ ! -d "$LOCPATH/zh_CN.UTF-8" ]; then
    mkdir -p "$LOCPATH"
    localedef -i zh_CN -f UTF-8 "$LOCPATH/zh_CN.UTF-8" 2>/dev/null || true
  fi
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
}

lumo_wine_start_xvfb() {
  local n
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      lumo_xvfb_pid=$!
      local i
      for i in $(seq 1 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
      done
      if kill -0 "$lumo_xvfb_pid" 2>/dev/null; then
        export DISPLAY=":$n"
        return 0
      fi
    fi
  done
  echo "wine-env: no free X display" >&2
  return 1
}

lumo_wine_prefix() {
  lumo_wine_locale
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    # A visible taskbar gives the work-area rules a real rectangle to find.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1 || true
    wineserver -w
  fi
}

lumo_wine_stop() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  if [ -n "$lumo_xvfb_pid" ]; then
    kill "$lumo_xvfb_pid" 2>/dev/null || true
    wait "$lumo_xvfb_pid" 2>/dev/null || true
    lumo_xvfb_pid=""
  fi
}
