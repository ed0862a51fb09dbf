# The real game reads the endgame tables the build solved before its first
# frame, says in the log where from, how many pieces they cover and how long
# the read took, ignores what an older version left in the user's cache,
# and the Expert answers at once.
source "$(dirname "$0")/lib.sh"

[ -f "$ZELK_TREE/endgames.zdb" ] || { echo "skipped: no endgame tables in $ZELK_TREE (ZELK_ENDGAMES off)"; exit 0; }
printf 'playerTwoType = COMPUTER\r\ngameLevel = 3\r\n' > "$WORK/zelk.conf"
# What the game once solved on the player's machine is never read again.
export XDG_CACHE_HOME=$WORK/cache
mkdir -p "$XDG_CACHE_HOME/zelk"
printf 'not tables' > "$XDG_CACHE_HOME/zelk/endgames-larger.zdb"
start_display
start_game
for _ in $(seq 100); do log_has "Endgame tables:" && break; sleep 0.1; done
line=$(grep -m 1 "Endgame tables:" "$WORK/log.txt") || fail "the game did not read its tables at start-up"
case "$line" in
  *"endgames.zdb (3 to 5 pieces a side, at most 10 in all), read in "*) ;;
  *) fail "the tables were not read whole: $line" ;;
esac
[[ "$line" != *cache* ]] || fail "the old cache was read: $line"
press v                      # game events in the log
click_at 260 536             # "left starts"
click_at 37 127              # a piece from home
move_to 153 73
click_at 150 70              # onto point 0
for _ in $(seq 80); do
  [ "$(grep -c "Moving pawn" "$WORK/log.txt")" -ge 2 ] && break
  sleep 0.1
done
[ "$(grep -c "Moving pawn" "$WORK/log.txt")" -ge 2 ] || fail "the Expert did not answer"
sleep 3
screenshot endgames

close_window
click_at 400 365             # Yes
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
echo "ok: the game reads its endgame tables ($line)"
