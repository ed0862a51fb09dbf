# Quitting while the computer thinks: the Expert placing its first piece
# (the right player, a computer, starts) or the hint thinking for a person,
# ended by q, Escape, the closed window (answered Yes) or SIGTERM, twenty
# times over. Every run exits with status 0 (no signal) and keeps the game.
# ZELK_E2E_QUITS=N runs N of them (the sanitizer build runs one).
source "$(dirname "$0")/lib.sh"

printf 'playerTwoType = COMPUTER\r\ngameLevel = 3\r\n' > "$WORK/zelk.conf"
start_display

# `start` sets the computer thinking (xdotool's own arguments), and the
# quit follows it at once, while the thinking holds the event loop.
quit_while() {
  local start=$1 way=$2 what=$3
  case "$way" in
    q | Escape) xdotool $start key --window "$WINDOW" "$way" ;;
    window)
      xdotool $start
      close_window
      # Yes, once the question is up: it waits for the thinking to end.
      for _ in $(seq 50); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        click_at 400 365
        sleep 0.2
      done ;;
    term) xdotool $start; kill -TERM "$GAME_PID" ;;
  esac
  collect_exit "after $way"
  [ "$EXIT_CODE" = 0 ] || fail "exit status $EXIT_CODE after $way while $what"
  [ -f "$WORK/zelk.save" ] || fail "no game kept after $way while $what"
}

runs=${ZELK_E2E_QUITS:-20}
ways=(q Escape window term)
for run in $(seq "$runs"); do
  rm -f "$WORK/zelk.save"
  start_game
  way=${ways[$(( run % 4 ))]}
  if (( run % 2 )); then
    # "right starts": the Expert places first.
    quit_while "mousemove --window $WINDOW 498 536 click 1" "$way" "the Expert thinks"
  else
    click_at 260 536           # "left starts"
    quit_while "key --window $WINDOW h" "$way" "the hint thinks"
  fi
done
echo "ok: $runs quits while the computer thinks, all with status 0 and the game kept"
