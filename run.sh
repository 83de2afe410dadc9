#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velmira Mixer.
set -euo pipefail
cd "$(dirname "$0")"

jobs=$(nproc 2>/dev/null || echo 2)

echo "==> Checking build packages"
tools/install-deps.sh

echo "==> Building (build/)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

if [ -x build/app/velmira ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "error: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Start Velmira Mixer from a desktop session, or render from the command line:" >&2
    echo "  build/cli/velmira-render --help" >&2
    exit 1
  fi
  echo "==> Starting Velmira Mixer"
  exec build/app/velmira "$@"
fi

echo "==> Starting the command-line renderer"
exec build/cli/velmira-render "${@:---help}"
