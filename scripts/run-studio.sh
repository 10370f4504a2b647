#!/usr/bin/env bash
# Sets everything up and starts tolmo-studio on the embedded demo database.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" "$here/build"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Nessuno schermo: avvio sotto Xvfb (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1366x768x24" "$here/build/bin/tolmo-studio" "$@"
fi
exec "$here/build/bin/tolmo-studio" "$@"
