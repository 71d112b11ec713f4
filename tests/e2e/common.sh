# What the end-to-end scripts share: the lines they report with, the check
# for the tools they need, a scratch folder removed when they end, and an X
# server of their own. Sourced with the tag that opens every line a script
# reports:
#   . "$(dirname "$(realpath "$0")")/common.sh" e2e

tag="$1"
work="$(mktemp -d)"
xvfb_pid=
game_pid=

cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  # A script may have made parts of its folder read-only.
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Stops the script with its reason and whatever the game printed.
fail() {
  echo "$tag: FAILED: $*" >&2
  if [ -s "$work/nupel.log" ]; then
    echo "--- the game's output ---" >&2
    cat "$work/nupel.log" >&2
  fi
  exit 1
}
step() { echo "$tag: $*" >&2; }

# Stops the script because `$1` is not installed.
missing() {
  echo "$tag: $1 is missing (bash scripts/setup installs it)" >&2
  exit 1
}

# Stops the script unless every command named is there.
require() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || missing "$tool"
  done
}

# A copy of the program's folder $1 in `game`, where the game runs and writes,
# with a configuration folder of its own.
copy_game() {
  game="$work/game"
  mkdir -p "$game" "$work/config"
  cp "$1/nupel" "$1"/*.ico "$1"/*.bmp "$game/"
  export XDG_CONFIG_HOME="$work/config"
}

# An X server on a free display, which it names once it is ready, with
# arguments $@ added; the game is then pointed at it, with a runtime folder
# of its own.
start_x() {
  local display
  mkdir -p "$work/runtime"
  chmod 700 "$work/runtime"
  mkfifo "$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp "$@" 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  read -r -t 30 display <"$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
  export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
  unset WAYLAND_DISPLAY
}
