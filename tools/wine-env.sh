# Sourced by the run and test scripts: a Wine prefix of the project's own with the Japanese
# locale, a persistent wineserver, and an Xvfb display nobody else holds.
#
#   wine_env_enter PREFIX_ROOT [fresh]   prefix under PREFIX_ROOT (made anew when "fresh")
#   xvfb_start [WIDTHxHEIGHT]           own Xvfb display (1280x1024 unless given), exported as DISPLAY
#   wine_env_leave                      stops the wineserver and the Xvfb started here
# Every wait is bounded.

MIREL_ROOT=${MIREL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
mirel_xvfb_pid=

wine_env_enter() {
  local root fresh=${2:-}
  root=$(realpath -m "$1")
  [ "$fresh" = fresh ] && rm -rf "$root"
  mkdir -p "$root/home"
  # HOME first: the prefix's Desktop and Documents are links into it.
  export HOME="$root/home"
  export WINEPREFIX="$root/prefix"
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # The locale decides the code page of every Wine process: ja_JP gives 932.
  export LC_ALL=ja_JP.UTF-8
  unset WINESERVER

  # The marker holds a fingerprint of this script: a prefix made by an older version gets the
  # current configuration applied again (its own registry, such as stored settings, stays).
  local fingerprint
  fingerprint=$(md5sum "${BASH_SOURCE[0]}" | cut -d' ' -f1)
  if [ ! -f "$WINEPREFIX/.mirel-ready" ]; then
    echo "wine: making the prefix $WINEPREFIX" >&2
    rm -rf "$WINEPREFIX"
    timeout 180 wineboot -i >/dev/null 2>&1 || { echo "wine: wineboot failed" >&2; return 1; }
    timeout 60 wineserver -w
    wine_env_configure || return 1
    echo "$fingerprint" >"$WINEPREFIX/.mirel-ready"
  elif [ "$(cat "$WINEPREFIX/.mirel-ready")" != "$fingerprint" ]; then
    echo "wine: updating the configuration of $WINEPREFIX" >&2
    wine_env_configure || return 1
    echo "$fingerprint" >"$WINEPREFIX/.mirel-ready"
  fi
  # One wineserver for the whole run: later processes start in a fraction of a second.
  wineserver -p
}

# Window handling without a window manager, and the Japanese UI font the dialogs name.
wine_env_configure() {
  local reg
  reg=$(mktemp --suffix=.reg)
  {
    printf '\xff\xfe'
    iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"=-

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
REG
  } >"$reg"
  timeout 60 wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
  local status=$?
  rm -f "$reg"
  # Wine draws the caption buttons with Marlett, which it does not find in its data folder here.
  local marlett
  for marlett in /usr/share/wine/fonts/marlett.ttf /usr/lib/wine/fonts/marlett.ttf; do
    [ -f "$marlett" ] && cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/" && break
  done
  timeout 60 wineserver -w
  [ $status -eq 0 ] || { echo "wine: regedit failed" >&2; return 1; }
}

xvfb_start() {
  local fdfile screen=${1:-1280x1024}
  fdfile=$(mktemp)
  # -displayfd: Xvfb picks a free display number itself and reports it.
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  mirel_xvfb_pid=$!
  local i
  for i in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  if [ ! -s "$fdfile" ]; then
    echo "xvfb: no display after 10 s" >&2
    rm -f "$fdfile"
    return 1
  fi
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
}

wine_env_leave() {
  [ -n "${WINEPREFIX:-}" ] && timeout 30 wineserver -k >/dev/null 2>&1
  if [ -n "$mirel_xvfb_pid" ]; then
    kill "$mirel_xvfb_pid" 2>/dev/null
    wait "$mirel_xvfb_pid" 2>/dev/null
    mirel_xvfb_pid=
  fi
  return 0
}
