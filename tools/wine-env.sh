#!/usr/bin/env bash
# Runs a Windows program under Wine in the throwaway prefix of a build folder.
#   wine-env.sh BUILD_DIR --setup            create the prefix, start a persistent wineserver
#   wine-env.sh BUILD_DIR --stop             stop that wineserver
#   wine-env.sh BUILD_DIR PROGRAM [ARGS...]  run PROGRAM in the prefix, return its exit code
# HOME, TEMP and the XDG folders point into the build folder, so Wine's links
# for Documents, Desktop and the rest, and its Recycle Bin (the host's trash),
# stay inside it as well.
set -u
build_dir=$(cd "$1" && pwd) || exit 2
shift

root="$build_dir/wine"
export WINEPREFIX="$root/prefix"
export HOME="$root/home"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$root/run"
export TMPDIR="$root/tmp"
export TEMP="$root/tmp" TMP="$root/tmp"
export WINEDEBUG="${SORVANE_WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$TMPDIR"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

wine_cmd=wine
command -v wine >/dev/null 2>&1 || wine_cmd=wine64
wineserver_cmd=wineserver
command -v wineserver >/dev/null 2>&1 || wineserver_cmd=/usr/lib/wine/wineserver

setup_prefix() {
  if [ ! -f "$WINEPREFIX/.sorvane-ready" ]; then
    rm -rf "$WINEPREFIX"
    "$wine_cmd" wineboot -i >/dev/null 2>&1
    "$wineserver_cmd" -w
    touch "$WINEPREFIX/.sorvane-ready"
  fi
  if [ ! -f "$WINEPREFIX/.sorvane-config-2" ]; then
    # No crash dialog: a crashing test must fail, not wait for a click.
    "$wine_cmd" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # Xvfb has no window manager: unmanaged windows show and hide without
    # waiting for one.
    "$wine_cmd" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    "$wineserver_cmd" -w
    touch "$WINEPREFIX/.sorvane-config-2"
  fi
}

case "${1:-}" in
  --setup)
    setup_prefix
    # One persistent wineserver for the whole test run, with Wine's own
    # services started now: neither may hold the caller's output open, or the
    # test runner would wait for them.
    "$wineserver_cmd" -p </dev/null >/dev/null 2>&1
    "$wine_cmd" wineboot </dev/null >/dev/null 2>&1
    exit 0 ;;
  --stop)
    "$wineserver_cmd" -k >/dev/null 2>&1
    exit 0 ;;
  "")
    echo "usage: wine-env.sh BUILD_DIR --setup|--stop|PROGRAM [ARGS...]" >&2
    exit 2 ;;
esac

[ -f "$WINEPREFIX/.sorvane-config-2" ] || setup_prefix
exec "$wine_cmd" "$@"
