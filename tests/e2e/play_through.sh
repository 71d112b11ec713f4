#!/usr/bin/env bash
# The real game played end to end on a virtual X server, with xdotool as the
# player's hands: start, name a pet, open and close each care dialog, pause
# and resume, wait for the first laying, "Push to End" and "Ｓａｖｅ"; then
# start again, load that save through the open-file dialog, and check that the
# game runs on with the saved pet (its next save carries the same name, money
# and eggs) and that the loaded file is gone. A third run names a new pet,
# fast-forwards with a double-click on the age, lets it die, buries it and
# answers Yes to the score question; its score file's line is then read with
# Python's own code page 932 decoder.
#
# Usage: play_through.sh BIN_DIR   (the folder holding nupel and its pictures)
# The game runs from a copy of that folder in a temporary directory, on an X
# server of its own, so nothing is left behind in the build.
set -euo pipefail

bin="$(realpath "$1")"
. "$(dirname "$(realpath "$0")")/common.sh" e2e
require Xvfb xdotool python3
copy_game "$bin"

# The X server must not reset when the first run's game leaves, or the second
# run's game may knock while it is resetting and be turned away.
start_x -noreset

# Generous limits: CI may build and test on a busy machine.
patience=60

start_game() {
  (cd "$game" && exec ./nupel) >>"$work/nupel.log" 2>&1 &
  game_pid=$!
}

game_alive() { kill -0 "$game_pid" 2>/dev/null; }

# The game's own notices (laying, type change, tantrum) may come up at any
# moment while the pet lives; a player reads them and presses Enter.
dismiss_notices() {
  local title id
  for title in '産卵!!' '変化!!!' '怒!!'; do
    for id in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null); do
      step "notice \"$title\" answered"
      xdotool windowfocus --sync "$id" key Return 2>/dev/null || true
    done
  done
}

# Prints the id of the shown window whose title is exactly $1, waiting for it.
wait_window() {
  local title="$1" deadline=$((SECONDS + patience)) id
  while ((SECONDS < deadline)); do
    game_alive || fail "the game ended while waiting for \"$title\""
    id="$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)" || true
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    dismiss_notices
    sleep 0.1
  done
  fail "no window \"$title\" within ${patience}s"
}

# Waits until no window titled exactly $1 is shown.
wait_gone() {
  local title="$1" deadline=$((SECONDS + patience))
  while ((SECONDS < deadline)); do
    if ! xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; then
      return 0
    fi
    sleep 0.1
  done
  fail "window \"$title\" still shown after ${patience}s"
}

# Clicks at x y inside window $1 (client coordinates in pixels). No --sync:
# a pointer already standing there would keep xdotool waiting for a motion.
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Double-clicks at x y inside window $1, both clicks well within the
# double-click time.
double_click() {
  xdotool mousemove --window "$1" "$2" "$3" click --repeat 2 --delay 80 1
}

# Presses Enter in the shown window titled exactly $1, waiting for it.
answer_enter() {
  local id
  id="$(wait_window "$1")"
  xdotool windowfocus --sync "$id" key Return
}

# The shown window whose title is exactly $1, or nothing.
shown_window() {
  xdotool search --onlyvisible --name "^${1}\$" 2>/dev/null | head -n 1 || true
}

# Clicks a button of window $1 at x y until window $4 opens; a notice that
# came up in between may have taken the click.
press_for_window() {
  local window="$1" x="$2" y="$3" title="$4" try id
  for try in 1 2 3 4 5; do
    dismiss_notices
    click "$window" "$x" "$y"
    for _ in $(seq 30); do
      id="$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)" || true
      if [ -n "$id" ]; then
        echo "$id"
        return 0
      fi
      sleep 0.1
    done
  done
  fail "pressing at $x,$y did not open \"$title\""
}

# Waits for the game to end by itself; its exit status goes to game_status.
wait_game_end() {
  local deadline=$((SECONDS + patience))
  while game_alive && ((SECONDS < deadline)); do sleep 0.1; done
  game_alive && fail "the game did not end"
  game_status=0
  wait "$game_pid" || game_status=$?
  game_pid=
}

# The fields of a save file, unscrambled: name money eggs age.
read_save() {
  local line key
  line="$(tr -d '\r' <"$1")"
  IFS=, read -r -a f <<<"$line"
  ((${#f[@]} >= 18)) || fail "$1 holds ${#f[@]} fields: $line"
  key="${f[17]}"
  echo "${f[0]//\"/} $((f[5] ^ key)) $((f[8] ^ key)) $((f[15] ^ key))"
}

# Where the controls are, in pixels inside their windows (the windows are
# laid out in twips, 15 to a pixel).
main_feed=(464 124) main_doctor=(464 188) main_clean=(464 252) main_sell=(464 316)
main_pause=(272 380) main_end=(464 380) main_age=(80 70)
hatch_raise=(80 36)
opening_start=(168 275)
name_box=(124 132) name_load=(312 128)
ending_save=(64 70)

# Starts the game and names a new pet $1; `main` is then its main window.
new_pet() {
  local opening entry
  start_game
  opening="$(wait_window "Let's play Nupel!!")"
  click "$opening" "${opening_start[@]}"
  entry="$(wait_window '名前の入力')"
  click "$entry" "${name_box[@]}"
  # Letters outside the keyboard's map are typed through a remapped key;
  # the last one must arrive before Enter does.
  xdotool type --delay 60 "$1"
  sleep 0.5
  xdotool key Return
  main="$(wait_window 'Nupel')"
}

step "first run: a new pet"
new_pet pochi
step "main window shown"

# Each care dialog opens from its button and closes with its cancel button.
for dialog in "餌を与える ${main_feed[*]} 136 204" "医者に診せる ${main_doctor[*]} 196 228" \
              "掃除する ${main_clean[*]} 188 228" "卵を売る ${main_sell[*]} 256 164"; do
  read -r title x y cancel_x cancel_y <<<"$dialog"
  id="$(press_for_window "$main" "$x" "$y" "$title")"
  click "$id" "$cancel_x" "$cancel_y"
  wait_gone "$title"
  step "care dialog \"$title\" opened and closed"
done

# Paused, the care buttons are off: the feeding dialog does not open.
dismiss_notices
click "$main" "${main_pause[@]}"
click "$main" "${main_feed[@]}"
sleep 1
if xdotool search --onlyvisible --name '^餌を与える$' >/dev/null 2>&1; then
  fail "the feeding dialog opened while the game was paused"
fi
click "$main" "${main_pause[@]}"
step "paused and resumed"

# The first laying: the pet now holds eggs that a new pet would not.
wait_window '産卵!!' >/dev/null
dismiss_notices
step "first laying seen"

ending="$(press_for_window "$main" "${main_end[@]}" 'Warning!!')"
click "$ending" "${ending_save[@]}"
wait_game_end
[ "$game_status" = 0 ] || fail "the game ended with status $game_status after saving"
[ -f "$game/pochi.npw" ] || fail "no save file pochi.npw: $(ls "$game" | grep -v -e '\.ico$' -e '\.bmp$' || true)"
read -r name1 money1 eggs1 age1 <<<"$(read_save "$game/pochi.npw")"
[ "$name1" = pochi ] || fail "saved name \"$name1\""
((eggs1 >= 1 && age1 >= 1)) || fail "saved pet has $eggs1 eggs at age $age1"
step "saved: $name1, $money1 yen, $eggs1 eggs, age $age1"

step "second run: load the save"
# Under another file name: what is loaded comes from the file's contents.
mv "$game/pochi.npw" "$game/loadme.npw"
start_game
opening="$(wait_window "Let's play Nupel!!")"
click "$opening" "${opening_start[@]}"
entry="$(wait_window '名前の入力')"
chooser="$(press_for_window "$entry" "${name_load[@]}" 'セーブデータを開く')"
xdotool windowfocus --sync "$chooser"
xdotool type --delay 20 "$game/loadme.npw"
xdotool key Return
main="$(wait_window 'Nupel')"
wait_gone '名前の入力'
[ ! -e "$game/loadme.npw" ] || fail "the loaded save is still there"
game_alive || fail "the game ended after loading"
step "loaded; the save file is gone and the main window is shown"

ending="$(press_for_window "$main" "${main_end[@]}" 'Warning!!')"
click "$ending" "${ending_save[@]}"
wait_game_end
[ "$game_status" = 0 ] || fail "the game ended with status $game_status after saving"
[ -f "$game/pochi.npw" ] || fail "the loaded pet was not saved as pochi.npw"
read -r name2 money2 eggs2 age2 <<<"$(read_save "$game/pochi.npw")"
[ "$name2" = pochi ] && [ "$money2" = "$money1" ] && ((eggs2 >= eggs1 && age2 >= age1)) \
  || fail "the loaded game was not the saved pet: $name2, $money2 yen, $eggs2 eggs, age $age2"
step "the loaded game ran on with the saved pet: $name2, $money2 yen, $eggs2 eggs, age $age2"

step "third run: a pet lives its life out in fast-forward"
# Full-width letters reach the name box only as far as xdotool's remapped
# keys get through; the score file is looked for under whatever name the
# game took, which always ends in the half-width part.
new_pet たまtama

# Right after a laying the next notice is ten seconds away: the double-click
# cannot be taken by a notice.
wait_window '産卵!!' >/dev/null
dismiss_notices
double_click "$main" "${main_age[@]}"
step "fast-forward asked for with a double-click on the age"

# At the normal pace layings come ten seconds apart; in fast-forward the next
# one follows the last as soon as it is answered.
layings=0 quickest=100000 last_laying=
deadline=$((SECONDS + 4 * patience))
while ((SECONDS < deadline)); do
  game_alive || fail "the game ended before the death screen"
  if [ -n "$(shown_window '死亡')" ]; then
    step "death screen after $layings layings in fast-forward, the closest ${quickest} ms apart"
    answer_enter '死亡'  # "埋葬", the default button
    # "Ｇａｍｅ　Ｏｖｅｒ", or after a death of old age perhaps the news of
    # an egg about to hatch: the window that follows tells which it was.
    answer_enter 'NUPEL for Win95'
    next_deadline=$((SECONDS + patience)) hatch= question=
    while ((SECONDS < next_deadline)) && [ -z "$hatch$question" ]; do
      game_alive || fail "the game ended after the burial"
      hatch="$(shown_window '孵化')"
      question="$(shown_window 'スコアファイルの作成')"
      sleep 0.1
    done
    [ -n "$question" ] && break
    [ -n "$hatch" ] || fail "neither the score question nor the hatching window after the burial"
    step "an egg hatched; the next generation is raised"
    click "$hatch" "${hatch_raise[@]}"
    wait_gone '孵化'
    continue
  fi
  if [ -n "$(shown_window '産卵!!')" ]; then
    now=$(date +%s%N)
    if [ -n "$last_laying" ] && (((now - last_laying) / 1000000 < quickest)); then
      quickest=$(((now - last_laying) / 1000000))
    fi
    last_laying=$now
    layings=$((layings + 1))
  fi
  dismiss_notices
  sleep 0.05
done
((SECONDS < deadline)) || fail "the pet did not die within $((4 * patience))s of fast-forward"
((layings < 2 || quickest < 5000)) || fail "layings came ${quickest} ms apart: no fast-forward"

xdotool windowfocus --sync "$question" key y  # "Yes"
wait_gone 'スコアファイルの作成'
answer_enter 'NUPEL for Win95'  # "たまtama.npsを作成しました。"
wait_game_end
[ "$game_status" = 0 ] || fail "the game ended with status $game_status after the score file"
score="$(find "$game" -maxdepth 1 -name '*tama.nps' | head -n 1)"
[ -f "$score" ] || fail "no score file: $(ls -A "$game" | grep -v -e '\.ico$' -e '\.bmp$' || true)"
python3 - "$score" <<'PYTHON' || fail "the score file breaks its format: $(od -c "$score" | head -n 8)"
import os, sys
data = open(sys.argv[1], "rb").read()
pet = os.path.basename(sys.argv[1])[: -len(".nps")]
assert data.endswith(b"\r\n") and data.count(b"\r") == 1 and data.count(b"\n") == 1, data
fields = data[:-2].decode("cp932").split(",")
assert len(fields) == 7, fields
name, money, pet_type, cause, generation, age, key = fields
assert name == '"%s"' % pet, (name, pet)
assert cause in ('"空腹"', '"病気"', '"汚れ"', '"寿命"', '"過食"'), cause
assert pet_type.startswith('"') and pet_type.endswith('"') and len(pet_type) > 2, pet_type
key = int(key)
assert 1 <= key <= 10000, key
assert int(generation) ^ key >= 1 and int(age) ^ key >= 1, (generation, age, key)
int(money)
print("e2e: score line", fields, "unscrambled generation", int(generation) ^ key, "age", int(age) ^ key,
      file=sys.stderr)
PYTHON
step "score file written: seven fields, CR LF, the pet's name and a cause of death"
step "passed"
