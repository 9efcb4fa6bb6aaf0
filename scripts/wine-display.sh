# Shared by the Wine window scripts (sourced, not run): a virtual X display and
# a fresh Wine prefix in which the dialog font "ＭＳ ゴシック" is the installed
# IPA Gothic, with bounded waits so that nothing can hang.

# wait_until SECONDS COMMAND...: runs COMMAND every 0.2 s until it succeeds;
# fails once SECONDS have passed.
wait_until() {
  local seconds=$1
  shift
  local deadline=$(( $(date +%s) + seconds ))
  until "$@"; do
    if [ "$(date +%s)" -ge "$deadline" ]; then
      echo "timed out after ${seconds}s waiting for: $*" >&2
      return 1
    fi
    sleep 0.2
  done
}

# start_display: starts Xvfb on a display number it picks itself and exports DISPLAY.
start_display() {
  local numberFile
  numberFile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
  XVFB_PID=$!
  wait_until 30 test -s "$numberFile"
  export DISPLAY=":$(cat "$numberFile")"
  rm -f "$numberFile"
  wait_until 30 xdpyinfo >/dev/null 2>&1
}

stop_display() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  wait "${XVFB_PID:-}" 2>/dev/null || true
}

# new_prefix DIR: a fresh Wine prefix with the Japanese dialog font mapped.
new_prefix() {
  export WINEPREFIX="$1"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  # No downloads of Mono or Gecko offers during the first start.
  WINEDLLOVERRIDES="mscoree,mshtml=" timeout 300 wineboot -i >/dev/null 2>&1 || true
  local reg="$WINEPREFIX/fonts.reg"
  # Regedit reads UTF-16 files whatever the system code page: the Japanese
  # font names arrive intact. Captions in the default font link to IPA Gothic
  # for the Japanese characters. Without a window manager on the display, Wine
  # draws the title bars itself, so screenshots show captions and frames.
  printf '%s\r\n' \
    'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"ＭＳ ゴシック"="IPAGothic"' \
    '"MS Gothic"="IPAGothic"' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]' \
    '"Tahoma"=hex(7):69,00,70,00,61,00,67,00,2e,00,74,00,74,00,66,00,2c,00,49,00,50,00,41,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00' \
    '"Microsoft Sans Serif"=hex(7):69,00,70,00,61,00,67,00,2e,00,74,00,74,00,66,00,2c,00,49,00,50,00,41,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
    '"Managed"="N"' \
    | iconv -f UTF-8 -t UTF-16 > "$reg"
  timeout 120 wine regedit /S "$reg" >/dev/null 2>&1
  timeout 120 wineserver -w
}

# stable_screenshot FILE: a screenshot of the whole display, taken again until
# two in a row are equal, so that the windows have finished painting.
stable_screenshot() {
  local file=$1 previous="$1.previous.png"
  import -window root "$previous"
  local attempt
  for attempt in $(seq 1 25); do
    import -window root "$file"
    if cmp -s <(convert "$file" rgb:-) <(convert "$previous" rgb:-); then
      rm -f "$previous"
      return 0
    fi
    mv "$file" "$previous"
    sleep 0.2
  done
  mv "$previous" "$file"
  echo "the display kept changing; kept the last screenshot" >&2
}
