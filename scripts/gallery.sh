#!/usr/bin/env bash
# Installs what is missing, builds the release configuration and starts the
# gallery. Without a display it renders every page to PNG instead.
# ORVA_QT_MAJOR=6 builds and starts the Qt 6 build instead of the Qt 5 one.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=release
if [ "${ORVA_QT_MAJOR:-5}" = 6 ]; then
  preset=release-qt6
fi

bash scripts/setup.sh
cmake --preset "$preset"
cmake --build --preset "$preset"

gallery="build/$preset/gallery/orva-gallery"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$gallery" "$@"
fi
shots="$PWD/build/$preset/screenshots"
QT_QPA_PLATFORM=offscreen "$gallery" --screenshot "$shots"
echo "No display found: the gallery pages were rendered to $shots/*.png"
