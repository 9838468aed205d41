#!/usr/bin/env bash
# Starts the editor on the demo world that the build writes beside the programs. Without a
# display there is no window to show: the world is drawn into pictures instead, as the map view
# would show it.
set -euo pipefail
cd "$(dirname "$0")/.."

bin="${TESSARK_BUILD_DIR:-build}/bin"
world="$bin/demo.qzbm"
if [ ! -f "$world" ]; then
  echo "No demo world at $world: run scripts/setup.sh first." >&2
  exit 1
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$bin/tessark" "$world" "$@"
fi

out="${TESSARK_PICTURES:-out}"
mkdir -p "$out"
echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the editor cannot open a window."
echo "Drawing the demo world as the map view shows it instead..."
cli="$bin/tessark-cli"
pictures=()
if "$cli" --help | grep -q '^  render '; then
  "$cli" render "$world" -o "$out/demo-town.png" --center 180,280 --size 1280x800
  "$cli" render "$world" -o "$out/demo-zoom-quarter.png" --center 256,256 --zoom 0.25 --size 1280x800
  "$cli" render "$world" -o "$out/demo-upper-floor.png" --center 180,280 --floor 6 --size 1280x800
  pictures+=(demo-town demo-zoom-quarter demo-upper-floor)
else
  echo "This build's tessark-cli has no render command yet: only the minimap is drawn."
fi
"$cli" minimap "$world" -o "$out/demo-minimap.png"
pictures+=(demo-minimap)
echo "Pictures of the demo world:"
for picture in "${pictures[@]}"; do
  echo "  $out/$picture.png"
done
