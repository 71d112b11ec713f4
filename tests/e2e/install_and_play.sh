#!/usr/bin/env bash
# The game as a player gets it once installed: `cmake --install` into a scratch
# DESTDIR, the desktop entry and metainfo validated, the icon present at every
# size, then the prefix made read-only and the installed program played on an
# X server of its own with a scratch HOME, driven by xdotool: a new pet, "Push
# to End", "Ｓａｖｅ". The save must land in the player's data folder and nowhere
# in the prefix; a second run loads it by its bare name through the open-file
# dialog (which must open in the data folder) and the pet lives on.
#
# Usage: install_and_play.sh BUILD_DIR APP_ID
set -euo pipefail

build="$(realpath "$1")"
app_id="$2"
. "$(dirname "$(realpath "$0")")/common.sh" install
require Xvfb xdotool xprop desktop-file-validate appstreamcli

root="$work/root"
prefix=/opt/nupel
installed="$root$prefix"
export HOME="$work/home"
data="$HOME/.local/share/nupel"
mkdir -p "$HOME" "$work/elsewhere"

step "installing into $root$prefix"
DESTDIR="$root" cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "$(cat "$work/install.log")"
[ -x "$installed/bin/nupel" ] || fail "no program in bin/"
[ -f "$installed/share/nupel/nupelwop.bmp" ] || fail "no pictures in share/nupel/"

desktop="$installed/share/applications/$app_id.desktop"
metainfo="$installed/share/metainfo/$app_id.metainfo.xml"
report="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop entry: $report"
[ -z "$report" ] || fail "desktop entry: $report"
grep -qx "Exec=$prefix/bin/nupel" "$desktop" || fail "the desktop entry does not start the installed program"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
report="$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1)" || fail "metainfo: $report"
if grep -E '^[EW]:' <<<"$report"; then fail "metainfo has errors or warnings"; fi
# The width and height stored in each PNG's header must be the size it is filed under.
for size in 16 24 32 48 64 128 256; do
  icon="$installed/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  [ -f "$icon" ] || fail "no ${size}px icon"
  read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$width $height" = "$size $size" ] || fail "the ${size}px icon is ${width}x${height}"
done
step "desktop entry, metainfo and icons are valid"

# Nobody writes into an installed prefix; the run must not even try.
chmod -R a-w "$root"
listing() { (cd "$root" && find . -printf '%p %s %T@\n' | sort); }
prefix_before="$(listing)"

start_x -noreset
unset XDG_DATA_HOME XDG_CONFIG_HOME

patience=60

# Started from an unrelated folder, as a menu would start it.
start_game() {
  (cd "$work/elsewhere" && exec "$installed/bin/nupel") >>"$work/nupel.log" 2>&1 &
  game_pid=$!
}
game_alive() { kill -0 "$game_pid" 2>/dev/null; }
shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }

# Notices that may come up while the pet lives are read and closed.
dismiss_notices() {
  local title id
  for title in '産卵!!' '変化!!!' '怒!!'; do
    for id in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null); do
      xdotool windowfocus --sync "$id" key Return 2>/dev/null || true
    done
  done
}

wait_window() {
  local deadline=$((SECONDS + patience)) id
  while ((SECONDS < deadline)); do
    game_alive || fail "the game ended while waiting for \"$1\""
    id="$(shown "$1")" || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    [ "${2:-}" = keep-notices ] || dismiss_notices
    sleep 0.1
  done
  fail "no window \"$1\" within ${patience}s"
}

click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Clicks at x y in window $1 until window $4 opens; a notice may take a click.
press_for_window() {
  local try id
  for try in 1 2 3 4 5; do
    dismiss_notices
    click "$1" "$2" "$3"
    for _ in $(seq 30); do
      id="$(shown "$4")" || true
      [ -n "$id" ] && { echo "$id"; return 0; }
      sleep 0.1
    done
  done
  fail "pressing at $2,$3 did not open \"$4\""
}

end_with_save() {
  local ending deadline=$((SECONDS + patience)) status=0
  ending="$(press_for_window "$1" 464 380 'Warning!!')"
  click "$ending" 64 70
  while game_alive && ((SECONDS < deadline)); do sleep 0.1; done
  game_alive && fail "the game did not end after saving"
  wait "$game_pid" || status=$?
  game_pid=
  [ "$status" = 0 ] || fail "the game ended with status $status after saving"
}

# The save's name, money and age, unscrambled.
read_save() {
  local f
  IFS=, read -r -a f <<<"$(tr -d '\r' <"$1")"
  echo "${f[0]//\"/} $((f[5] ^ f[17])) $((f[15] ^ f[17]))"
}

open_name_entry() {
  local opening
  opening="$(wait_window "Let's play Nupel!!")"
  click "$opening" 168 275
  wait_window '名前の入力'
}

step "first run: a new pet"
start_game
entry="$(open_name_entry)"
click "$entry" 124 132
xdotool type --delay 40 'pochi'
xdotool key Return
main="$(wait_window 'Nupel')"

# One program to the task bar: every window of the game carries the class the
# desktop entry names, and the game's icon.
class="$(xprop -id "$main" WM_CLASS)"
[ "$class" = 'WM_CLASS(STRING) = "nupel", "nupel"' ] || fail "main window class: $class"
icons="$(xprop -id "$main" _NET_WM_ICON)"
grep -aq 'Icon (16 x 16)' <<<"$icons" || fail "the main window has no 16px icon"
step "main window shown with class nupel and the game's icon"

end_with_save "$main"
[ -f "$data/pochi.npw" ] || fail "no save in the data folder: $(ls -A "$data" 2>&1)"
read -r name1 money1 age1 <<<"$(read_save "$data/pochi.npw")"
[ "$name1" = pochi ] || fail "saved name \"$name1\""
[ "$(listing)" = "$prefix_before" ] || fail "the run changed the prefix: $(diff <(echo "$prefix_before") <(listing))"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the run wrote where it was started: $(ls -A "$work/elsewhere")"
[ "$(ls -A "$data")" = pochi.npw ] || fail "the data folder holds more than the save: $(ls -A "$data")"
step "saved to the data folder only: $name1, $money1 yen, age $age1"

step "second run: load the save through the dialog"
start_game
entry="$(open_name_entry)"
chooser="$(press_for_window "$entry" 312 128 'セーブデータを開く')"
# A bare name: the dialog must have opened in the data folder.
xdotool windowfocus --sync "$chooser"
xdotool type --delay 20 'pochi.npw'
xdotool key Return
main="$(wait_window 'Nupel')"
[ ! -e "$data/pochi.npw" ] || fail "the loaded save is still in the data folder"

# The pet lives on: within ten seconds of play it lays and has a birthday.
wait_window '産卵!!' keep-notices >/dev/null
dismiss_notices
end_with_save "$main"
[ -f "$data/pochi.npw" ] || fail "the loaded pet was not saved again"
read -r name2 money2 age2 <<<"$(read_save "$data/pochi.npw")"
[ "$name2" = pochi ] && ((age2 > age1)) || fail "the loaded game did not go on: $name2, $money2 yen, age $age2"
[ "$(listing)" = "$prefix_before" ] || fail "the second run changed the prefix"
step "the loaded pet lived on and was saved again: $name2, $money2 yen, age $age2"
step "passed"
