# Two copies of the game started at the same moment in one directory with
# no zelk.conf: both create it, and both quit. Whatever the order, the file
# is whole (its 53 lines) and no temporary file is left beside it.
# Then copy A quits in the middle of a game while copy B waits on the start
# screen and quits after it: A's game stays saved and is offered at the next
# start. A save that cannot be read is put aside at start-up, not lost.
source "$(dirname "$0")/lib.sh"

start_display
OTHER_PID=""
trap 'kill $OTHER_PID 2>/dev/null || true; cleanup' EXIT

start_copy() {
  (cd "$WORK" && unset SDL_VIDEODRIVER && SDL_AUDIODRIVER=dummy exec "$ZELK_BIN" >>"$WORK/stdout.txt" 2>&1) &
}

for round in 1 2 3; do
  rm -f "$WORK/zelk.conf"
  start_copy; GAME_PID=$!
  start_copy; OTHER_PID=$!
  for _ in $(seq 200); do
    [ "$(xdotool search --name "^Zelk - a somali game$" 2>/dev/null | wc -l)" -ge 2 ] && break
    sleep 0.05
  done
  windows=$(xdotool search --name "^Zelk - a somali game$") || fail "round $round: no window"
  [ "$(echo "$windows" | wc -l)" -ge 2 ] || fail "round $round: only one copy opened its window"
  sleep 1
  for window in $windows; do xdotool key --window "$window" Escape; done
  timeout 15 tail --pid="$GAME_PID" -f /dev/null || fail "round $round: a copy did not end"
  timeout 15 tail --pid="$OTHER_PID" -f /dev/null || fail "round $round: a copy did not end"
  GAME_PID=""; OTHER_PID=""
  [ "$(grep -c $'\r$' "$WORK/zelk.conf")" = 53 ] || fail "round $round: zelk.conf is not whole"
  grep -q "^playerTwoType = COMPUTER"$'\r'"$" "$WORK/zelk.conf" || fail "round $round: a line is missing"
  leftovers=$(find "$WORK" -maxdepth 1 -name 'zelk.conf?*')
  [ -z "$leftovers" ] || fail "round $round: left behind: $leftovers"
done

printf 'playerTwoType = HUMAN\r\n' > "$WORK/zelk.conf"
start_copy; GAME_PID=$!
WINDOW=$(timeout 20 xdotool search --sync --name "^Zelk - a somali game$" | head -n 1) || fail "A opened no window"
start_copy; OTHER_PID=$!
for _ in $(seq 200); do
  [ "$(xdotool search --name "^Zelk - a somali game$" 2>/dev/null | wc -l)" -ge 2 ] && break
  sleep 0.05
done
OTHER=$(xdotool search --name "^Zelk - a somali game$" | grep -vx "$WINDOW" | head -n 1) || fail "B opened no window"
sleep 1
xdotool key --window "$WINDOW" 2; sleep 0.3   # A: a game, at its opening removals
xdotool key --window "$WINDOW" q
timeout 15 tail --pid="$GAME_PID" -f /dev/null || fail "A did not end"
GAME_PID=""
grep -q "^now 1 " "$WORK/zelk.save" || fail "A's game was not saved"
saved=$(cat "$WORK/zelk.save")
xdotool key --window "$OTHER" Escape       # B: from the start screen
timeout 15 tail --pid="$OTHER_PID" -f /dev/null || fail "B did not end"
OTHER_PID=""
[ "$(cat "$WORK/zelk.save" 2>/dev/null)" = "$saved" ] || fail "B removed or changed A's save"

start_game
# The question is drawn at the first event after loading: nudge the pointer
# until its dark box shows.
offered() { move_to 300 300; move_to 310 310; [ "$(shot_pixel 202 200)" = "0,0,0" ]; }
wait_for "offer of A's game" 100 offered
screenshot two-copies-offered
click_at 420 365             # Yes
log_has "Resumed the saved game" || fail "A's game was not resumed"
press Escape
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"

printf 'zelk save 9\nfrom a newer version\n' > "$WORK/zelk.save"
start_game
press Escape
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
[ "$(cat "$WORK/zelk.save.unreadable" 2>/dev/null)" = "$(printf 'zelk save 9\nfrom a newer version')" ] ||
  fail "the unreadable save was not kept aside"
log_has "put aside as zelk.save.unreadable" ||
  fail "putting the save aside is not in the log"
echo "ok: two copies leave one whole zelk.conf, and neither removes the other's saved game"
