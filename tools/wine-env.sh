# Sourced by the run and test scripts: a Wine prefix of the project's own with the Japanese
# locale, a persistent wineserver, and an Xvfb display nobody else holds.
#
#   wine_build_kind                     the Windows build this machine runs: "win32" where the
#                                       32-bit Wine loader starts, else "win64"; fails, saying
#                                       why, when neither starts. MIREL_64BIT_ONLY=1 makes a
#                                       machine that runs 32-bit programs behave as one that
#                                       does not.
#   wine_build_dir KIND                 the build folder of that kind: build/win or build/win64
#   wine_use KIND                       the loader (and prefix kind) for what follows: win32,
#                                       Debian's 32-bit loader; win64, wine64 called directly
#                                       (/usr/bin/wine prefers the 32-bit one whenever it is
#                                       installed); wine, wineboot and winepath on the PATH
#                                       take it, in every process started from here.
#   wine_env_enter PREFIX_ROOT [fresh]   prefix under PREFIX_ROOT (made anew when "fresh")
#   xvfb_start [WIDTHxHEIGHT]           own Xvfb display (1280x1024 unless given), exported as DISPLAY
#   wine_prefix_leave                   stops the wineserver of the prefix entered
#   wine_env_leave                      stops the wineserver and the Xvfb started here
# Every wait is bounded.

MIREL_ROOT=${MIREL_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
mirel_xvfb_pid=
mirel_wine32=/usr/lib/wine/wine
mirel_wine64=/usr/lib/wine/wine64

# Whether the loader of KIND starts on this machine: the answer of the machine, not a guess.
wine_loader_starts() {
  case $1 in
    win32) [ -z "${MIREL_64BIT_ONLY:-}" ] && "$mirel_wine32" --version >/dev/null 2>&1 ;;
    win64) "$mirel_wine64" --version >/dev/null 2>&1 ;;
    *) return 1 ;;
  esac
}

# Why the 32-bit loader does not start, in a few words.
wine32_refusal() {
  if [ -n "${MIREL_64BIT_ONLY:-}" ]; then
    echo "MIREL_64BIT_ONLY is set, so 32-bit programs are not run"
  elif [ ! -x "$mirel_wine32" ]; then
    echo "32-bit Wine (Debian's wine32:i386) is missing"
  elif ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo "this machine's kernel refuses 32-bit programs"
  else
    echo "the 32-bit Wine loader fails to start"
  fi
}

wine_build_kind() {
  if wine_loader_starts win32; then
    echo win32
  elif wine_loader_starts win64; then
    echo win64
  else
    local missing64="64-bit Wine (Debian's wine64) is missing"
    [ -x "$mirel_wine64" ] && missing64="the 64-bit Wine loader fails to start"
    echo "wine: no Windows program can run here: $(wine32_refusal), and $missing64" \
      "(tools/bootstrap.sh installs both packages)" >&2
    return 1
  fi
}

wine_build_dir() {
  case $1 in
    win32) echo build/win ;;
    *) echo build/win64 ;;
  esac
}

wine_use() {
  export WINEARCH=$1
  case ":$PATH:" in *":$MIREL_ROOT/tools/wine.d:"*) ;; *) export PATH="$MIREL_ROOT/tools/wine.d:$PATH" ;; esac
  if [ "$1" = win64 ]; then
    export MIREL_WINE=$mirel_wine64
    # The loader Wine itself starts programs with.
    export WINELOADER=$mirel_wine64
  else
    export MIREL_WINE=$mirel_wine32
    unset WINELOADER
  fi
}

wine_env_enter() {
  local root fresh=${2:-}
  root=$(realpath -m "$1")
  [ "$fresh" = fresh ] && rm -rf "$root"
  mkdir -p "$root/home"
  # HOME first: the prefix's Desktop and Documents are links into it.
  export HOME="$root/home"
  export WINEPREFIX="$root/prefix"
  [ -n "${MIREL_WINE:-}" ] || wine_use win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # The locale decides the code page of every Wine process: ja_JP gives 932.
  export LC_ALL=ja_JP.UTF-8
  unset WINESERVER

  # The marker holds a fingerprint of this script: a prefix made by an older version gets the
  # current configuration applied again (its own registry, such as stored settings, stays). A
  # prefix of the other kind is made anew.
  local fingerprint
  fingerprint=$(md5sum "${BASH_SOURCE[0]}" | cut -d' ' -f1)
  if [ ! -f "$WINEPREFIX/.mirel-ready" ] || [ "$(cat "$WINEPREFIX/.mirel-kind" 2>/dev/null)" != "$WINEARCH" ]; then
    echo "wine: making the prefix $WINEPREFIX" >&2
    # wineboot now and then fails on a loaded machine (seen with two test runs at once); a
    # second try on a fresh prefix succeeds, and a second failure is shown with its output.
    local attempt output
    output=$(mktemp)
    for attempt in 1 2; do
      rm -rf "$WINEPREFIX"
      timeout 180 wineboot -i >"$output" 2>&1 && break
      timeout 30 wineserver -k >/dev/null 2>&1
      if [ "$attempt" = 2 ]; then
        echo "wine: wineboot failed twice; the last lines it wrote:" >&2
        tail -n 5 "$output" >&2
        rm -f "$output"
        return 1
      fi
      echo "wine: wineboot failed; making the prefix once more" >&2
    done
    rm -f "$output"
    timeout 60 wineserver -w
    wine_env_configure || return 1
    echo "$WINEARCH" >"$WINEPREFIX/.mirel-kind"
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

wine_prefix_leave() {
  [ -n "${WINEPREFIX:-}" ] && timeout 30 wineserver -k >/dev/null 2>&1
  return 0
}

wine_env_leave() {
  wine_prefix_leave
  if [ -n "$mirel_xvfb_pid" ]; then
    kill "$mirel_xvfb_pid" 2>/dev/null
    wait "$mirel_xvfb_pid" 2>/dev/null
    mirel_xvfb_pid=
  fi
  return 0
}
