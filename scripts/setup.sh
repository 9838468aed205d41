#!/usr/bin/env bash
# Installs what building, testing and running need, then builds into build/.
# Safe to run again: it installs only what is missing and rebuilds only what changed.
#
#   scripts/setup.sh            everything: the programs, the data, the tests, the benchmarks
#   scripts/setup.sh --editor   only what running needs: editor, tessark-cli, data kit, demo world
#
# TESSARK_WERROR=ON (as CI sets it) makes warnings errors.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=()
case "${1:-}" in
  "") ;;
  --editor) targets=(tessark tessark-cli sample_data) ;;
  *) echo "usage: scripts/setup.sh [--editor]" >&2; exit 2 ;;
esac

packages=(g++ cmake ninja-build make pkg-config qt6-base-dev fonts-dejavu-core xvfb xauth
          libgtest-dev libbenchmark-dev libpng-dev zlib1g-dev clang-14 libclang-rt-14-dev ccache
          xdotool x11-utils imagemagick)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

build_dir=${TESSARK_BUILD_DIR:-build}
configure=()
[ -f "$build_dir/build.ninja" ] || configure=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
[ -z "${TESSARK_WERROR:-}" ] || configure+=(-DTESSARK_WERROR="$TESSARK_WERROR")
if [ ${#configure[@]} -gt 0 ]; then
  cmake -S . -B "$build_dir" "${configure[@]}" >/dev/null
fi
if [ ${#targets[@]} -gt 0 ]; then
  cmake --build "$build_dir" -j "$(nproc)" --target "${targets[@]}"
else
  cmake --build "$build_dir" -j "$(nproc)"
fi
