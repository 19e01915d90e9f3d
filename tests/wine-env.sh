# Sourced by scripts/test and scripts/run: a private Xvfb display and Wine prefix with a
# persistent, pre-warmed wineserver and Wine's virtual desktop of 1920x1080.
#   wte_start   starts everything (creates and configures the prefix on first use)
#   wte_stop    ends every process of this prefix and the display; safe to call twice
# Needs WINEPREFIX set by the caller.
: "${WINEPREFIX:?WINEPREFIX must name the prefix folder}"
WTE_STATE="${WINEPREFIX}.state"
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="     # no Mono/Gecko install dialogs in headless runs
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8    # ANSI code page 936 (GBK)
WINE=/usr/lib/wine/wine64                     # /usr/bin/wine would start the 32-bit loader
WINESERVER=/usr/lib/wine/wineserver64
export WINE WINESERVER

# The first display number from 90 on with neither a socket nor a lock file.
wte_free_display() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  echo ":$n"
}

wte_start() {
  mkdir -p "$WTE_STATE" "$WINEPREFIX"
  if [ -z "${WTE_DISPLAY:-}" ]; then WTE_DISPLAY=$(wte_free_display); fi
  export DISPLAY="$WTE_DISPLAY"
  Xvfb "$DISPLAY" -screen 0 1920x1080x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  echo $! > "$WTE_STATE/xvfb.pid"
  local i=0
  while [ ! -S "/tmp/.X11-unix/X${DISPLAY#:}" ] && [ $i -lt 200 ]; do sleep 0.05; i=$((i + 1)); done
  [ -S "/tmp/.X11-unix/X${DISPLAY#:}" ] || { echo "wine-env: Xvfb did not start on $DISPLAY" >&2; return 1; }
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-env: creating the Wine prefix $WINEPREFIX" >&2
    "$WINESERVER" -p </dev/null >/dev/null 2>&1
    "$WINE" wineboot -i </dev/null >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1920x1080 /f </dev/null >/dev/null 2>&1
    # Wine's own fonts (Marlett draws the caption buttons) are not found where Debian puts them.
    ln -sf /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
    "$WINESERVER" -k; "$WINESERVER" -w
  fi
  "$WINESERVER" -p </dev/null >/dev/null 2>&1
  # Start the services now with all output on /dev/null: they inherit the first client's
  # stderr and would otherwise hold a test's output pipe open.
  "$WINE" wineboot </dev/null >/dev/null 2>&1
  # A do-nothing process keeps the virtual desktop alive for the whole run.
  if [ ! -f "$WTE_STATE/hold.exe" ]; then
    printf '#include <windows.h>\nint main(void){GetDesktopWindow();Sleep(INFINITE);return 0;}\n' |
      x86_64-w64-mingw32-gcc-posix -x c -O1 -o "$WTE_STATE/hold.exe" - -luser32
  fi
  "$WINE" "$WTE_STATE/hold.exe" </dev/null >/dev/null 2>&1 &
  i=0
  until xdotool search --name 'Wine desktop' >/dev/null 2>&1 || [ $i -ge 400 ]; do sleep 0.05; i=$((i + 1)); done
}

wte_stop() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  if [ -f "$WTE_STATE/xvfb.pid" ]; then
    kill "$(cat "$WTE_STATE/xvfb.pid")" 2>/dev/null || true
    rm -f "$WTE_STATE/xvfb.pid"
  fi
}
