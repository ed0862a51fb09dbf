# The real game finds the endgame tables the build solved: at the Expert's
# first decision it reads them and says in the log where from and how many
# pieces they cover, and the game goes on.
source "$(dirname "$0")/lib.sh"

[ -f "$ZELK_TREE/endgames.zdb" ] || { echo "skipped: no endgame tables in $ZELK_TREE (ZELK_ENDGAMES off)"; exit 0; }
printf 'playerTwoType = COMPUTER\r\ngameLevel = 3\r\n' > "$WORK/zelk.conf"
start_display
start_game
press v                      # game events in the log
click_at 260 536             # "left starts"
click_at 37 127              # a piece from home
move_to 153 73
click_at 150 70              # onto point 0
for _ in $(seq 100); do
  grep -q "Endgame tables:" "$WORK/log.txt" && break
  sleep 0.1
done
line=$(grep -m 1 "Endgame tables:" "$WORK/log.txt") || fail "the Expert did not look for its tables"
case "$line" in
  *"endgames.zdb (3 to "*" pieces a side, at most "*" in all)"*) ;;
  *) fail "the tables were not read: $line" ;;
esac
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
