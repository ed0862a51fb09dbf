# Two copies of the game started at the same moment in one directory with
# no zelk.conf: both create it, and both quit. Whatever the order, the file
# is whole (its 53 lines) and no temporary file is left beside it.
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
echo "ok: two copies starting together leave one whole zelk.conf"
