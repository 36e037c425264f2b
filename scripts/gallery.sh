#!/usr/bin/env bash
# Installs what is missing, builds the release configuration and starts the
# gallery. Without a display it renders every page to PNG instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release
cmake --build --preset release

gallery=build/release/gallery/orva-gallery
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$gallery" "$@"
fi
shots="$PWD/build/release/screenshots"
QT_QPA_PLATFORM=offscreen "$gallery" --screenshot "$shots"
echo "No display found: the gallery pages were rendered to $shots/*.png"
