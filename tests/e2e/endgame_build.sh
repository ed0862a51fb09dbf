# The real game solves the larger endgame slices it lacks in the background
# on first use: after the Expert's first decision it logs the build's start,
# its progress and its end, saves the file to the user's cache directory,
# and a game started again reads it after the base file without building.
# The base here is 3 against 3 and the build stops at 7 pieces in all
# (ZELK_ENDGAMES_BUILD_TOTAL), a few seconds of solving.
source "$(dirname "$0")/lib.sh"

SOLVER=$(dirname "$ZELK_BIN")/zelk-endgames
[ -x "$SOLVER" ] || { echo "skipped: no zelk-endgames beside the game"; exit 0; }
"$SOLVER" --most 4 --most-total 6 --quiet --out "$WORK/base.zdb" >/dev/null || fail "the base tables were not solved"
export ZELK_ENDGAMES=$WORK/base.zdb XDG_CACHE_HOME=$WORK/cache ZELK_ENDGAMES_BUILD_TOTAL=7
LARGER=$WORK/cache/zelk/endgames-larger.zdb
printf 'playerTwoType = COMPUTER\r\ngameLevel = 3\r\n' > "$WORK/zelk.conf"

first_move() {
  click_at 260 536             # "left starts"
  click_at 37 127              # a piece from home
  move_to 153 73
  click_at 150 70              # onto point 0
}

wait_for_line() {  # text, tenths of a second
  for _ in $(seq "$2"); do log_has "$1" && return 0; sleep 0.1; done
  return 1
}

quit_game() {
  close_window
  click_at 400 365             # Yes
  code=$(wait_for_exit)
  [ "$code" = 0 ] || fail "exit code $code"
}

start_display
start_game
first_move
wait_for_line "Endgame tables: $WORK/base.zdb (3 to 4 pieces a side, at most 6 in all)" 100 ||
  fail "the Expert did not read the base tables"
wait_for_line "endgames: solving the slices of 7 to 7 pieces in the background into $LARGER" 50 ||
  fail "the background build did not start"
wait_for_line "endgames: 7 pieces, turn 1," 300 || fail "no progress logged"
wait_for_line "endgames: slices of 7 to 7 pieces solved in" 900 || fail "the build did not end"
[ -s "$LARGER" ] || fail "no file of the larger slices"
[ ! -e "$LARGER.part" ] || fail "the partial file was left"
log_has "the build of the larger slices ended unfinished" && fail "the build failed"
quit_game

: > "$LOG_FILE"
rm -f "$WORK/zelk.save"         # no question about the game left
start_game
first_move
wait_for_line "Endgame tables: $WORK/base.zdb + $LARGER (3 to 4 pieces a side, at most 7 in all)" 100 ||
  fail "the game started again did not read both files"
sleep 1
log_has "endgames: solving" && fail "built again though the file was there"
quit_game
echo "ok: the larger slices were solved in the background, saved and read on the next start"
