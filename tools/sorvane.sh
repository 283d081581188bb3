#!/usr/bin/env bash
# Sorvane developer entry point on Debian.
#   tools/sorvane.sh run    install what is missing, build, start the program
#   tools/sorvane.sh test   install what is missing, build, run every test
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
build_dir="$here/build/windows-x64"

packages=(cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 xvfb xauth googletest)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

build() {
  cmake --preset windows-x64
  cmake --build --preset windows-x64
}

case "${1:-}" in
  run)
    install_missing
    build
    if [ -n "${DISPLAY:-}" ]; then
      exec tools/wine-env.sh "$build_dir" "$build_dir/bin/sorvane.exe"
    else
      echo "No display: running one console cleaning run of $build_dir/bin/sorvd.dat"
      exec tools/wine-env.sh "$build_dir" "$build_dir/bin/sorvane-cli.exe" clean
    fi ;;
  test)
    install_missing
    build
    # Windows are created by some tests: give them a virtual display.
    exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows-x64 ;;
  *)
    echo "usage: tools/sorvane.sh run|test" >&2
    exit 2 ;;
esac
