#!/usr/bin/env bash
# The real game as a screen reader meets it: on a virtual X server of its own,
# with a private D-Bus session and the AT-SPI registry, a player opens the main
# window through the opening screen (xdotool), and tests/e2e/accessibility.py
# walks the accessible tree with pyatspi while pressing keys.
#
# Usage: accessibility.sh BIN_DIR   (the folder holding nupel and its pictures)
set -euo pipefail

bin="$(realpath "$1")"
here="$(dirname "$(realpath "$0")")"
. "$here/common.sh" a11y
# Debian's own Python, which holds pyatspi, whatever else comes first on PATH.
python=/usr/bin/python3
require Xvfb xdotool dbus-run-session "$python"
"$python" -c 'import pyatspi' 2>/dev/null || missing python3-pyatspi
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || missing at-spi2-core
copy_game "$bin"

start_x
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

# Inside the private session: the accessibility bus and its registry, then
# the game, then the reader.
dbus-run-session -- bash -c '
  set -euo pipefail
  '"$launcher"' --launch-immediately &
  launcher_pid=$!
  trap "kill \$launcher_pid 2>/dev/null || true; [ -n \"\${game_pid:-}\" ] && kill \$game_pid 2>/dev/null || true" EXIT
  (cd "'"$game"'" && exec ./nupel) >"'"$work"'/nupel.log" 2>&1 &
  game_pid=$!
  status=0
  "'"$python"'" "'"$here"'/accessibility.py" "$game_pid" || status=$?
  if [ "$status" != 0 ]; then
    echo "--- the game'"'"'s output ---" >&2
    cat "'"$work"'/nupel.log" >&2
  fi
  exit $status
'
