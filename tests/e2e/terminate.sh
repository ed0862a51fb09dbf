# Two people place a piece each; the system stops the program with SIGTERM.
# The program ends as after q, and the game is in zelk.save.
source "$(dirname "$0")/lib.sh"

printf 'playerTwoType = HUMAN\r\n' > "$WORK/zelk.conf"
start_display
start_game
click_at 260 536             # "left starts"
place() {
  click_at "$1" "$2"
  move_to $(( $3 + 3 )) $(( $4 + 3 ))
  click_at "$3" "$4"
}
place 37 127 150 70          # player one: point 0
place 687 127 224 136        # player two: point 3
kill -TERM "$GAME_PID"
# Waited for here rather than in wait_for_exit's subshell: the game ends at
# once, and only this shell can collect its exit code.
timeout 15 tail --pid="$GAME_PID" -f /dev/null || fail "the game did not end"
code=0
wait "$GAME_PID" || code=$?
GAME_PID=""
[ "$code" = 0 ] || fail "exit code $code after SIGTERM"
[ -f "$WORK/zelk.save" ] || fail "SIGTERM saved nothing"
log_has "Terminated: the game is kept for the next start" || fail "the termination is not in the log"
now=$(grep "^now " "$WORK/zelk.save")
[ "$(echo "$now" | awk '{print $6, $9}')" = "1 1" ] || fail "the save does not hold one piece a side: $now"
echo "ok: SIGTERM in the middle of a game saves it"
