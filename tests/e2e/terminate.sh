# Two people place a piece each; the system stops the program with SIGTERM:
# during play, with the close-window question open, with the settings screen
# open. Each time the program ends as after q, promptly (the time is
# printed), and the game is in zelk.save.
source "$(dirname "$0")/lib.sh"

printf 'playerTwoType = HUMAN\r\n' > "$WORK/zelk.conf"
start_display

place() {
  click_at "$1" "$2"
  move_to $(( $3 + 3 )) $(( $4 + 3 ))
  click_at "$3" "$4"
}

for where in play question settings; do
  rm -f "$WORK/zelk.save"
  start_game
  click_at 260 536             # "left starts"
  place 37 127 150 70          # player one: point 0
  place 687 127 224 136        # player two: point 3
  case $where in
    question) close_window; move_to 300 300; move_to 310 310 ;;
    settings) click_at 340 536; move_to 300 300 ;;
  esac
  screenshot "terminate-$where"
  case $where in               # the screen is really open: its frame
    question) [ "$(pixel "terminate-$where" 202 200)" = "0,0,0" ] || fail "no question on screen" ;;
    settings) [ "$(pixel "terminate-$where" 80 300)" = "55,255,255" ] || fail "no settings screen" ;;
  esac
  signalled=$(date +%s%N)
  kill -TERM "$GAME_PID"
  # Waited for here rather than in wait_for_exit's subshell: only this
  # shell can collect the exit code. A desktop sends SIGKILL after a few
  # seconds; the game must be gone well before.
  timeout 5 tail -s 0.02 --pid="$GAME_PID" -f /dev/null || fail "$where: still running 5 s after SIGTERM"
  ended=$(date +%s%N)
  code=0
  wait "$GAME_PID" || code=$?
  GAME_PID=""
  echo "$where: ended $(( (ended - signalled) / 1000000 )) ms after SIGTERM"
  [ "$code" = 0 ] || fail "$where: exit code $code after SIGTERM"
  [ -f "$WORK/zelk.save" ] || fail "$where: SIGTERM saved nothing"
  log_has "Terminated: the game is kept for the next start" || fail "$where: the termination is not in the log"
  now=$(grep "^now " "$WORK/zelk.save")
  [ "$(echo "$now" | awk '{print $6, $9}')" = "1 1" ] || fail "$where: the save does not hold one piece a side: $now"
done
echo "ok: SIGTERM during play, in a question and on the settings screen saves the game"
