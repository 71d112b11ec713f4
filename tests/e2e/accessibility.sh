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
# Debian's own Python, which holds pyatspi, whatever else comes first on PATH.
python=/usr/bin/python3
for tool in Xvfb xdotool dbus-run-session "$python"; do
  command -v "$tool" >/dev/null || { echo "a11y: $tool is missing (bash scripts/setup installs it)" >&2; exit 1; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "a11y: python3-pyatspi is missing (bash scripts/setup installs it)" >&2; exit 1; }
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "a11y: at-spi2-core is missing (bash scripts/setup installs it)" >&2; exit 1; }

work="$(mktemp -d)"
game="$work/game"
mkdir -p "$game" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
cp "$bin/nupel" "$bin"/*.ico "$bin"/*.bmp "$game/"

xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 30 display <"$work/display" || { echo "a11y: Xvfb did not start" >&2; exit 1; }

export DISPLAY=":$display" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
       XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" NO_AT_BRIDGE=0
unset WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

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
