# How long a person waits for the computer while placing: the real game
# under Xvfb, the person against Beginner, twelve placements each. For each
# turn, the time from the person's click that puts a piece down to the
# computer's piece landing (its "put down" sound in the log); then the sum.
#   bash bench/placing_wait.sh build/zelk data build/tests/zelk-close-window
source "$(dirname "$0")/../tests/e2e/lib.sh" "$1" "$2" "$3"

printf 'playerTwoType = COMPUTER\r\ngameLevel = 1\r\n' > "$WORK/zelk.conf"
places=(125,45 365,45 605,45 199,111 361,111 523,111 265,185 360,185 455,185 125,245 195,245 265,245
        465,245 528,245 600,245 265,308 360,308 455,308 199,377 361,377 523,377 125,445 365,445 605,445)
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
downs() { grep -c "sound: put down" "$WORK/log.txt" || true; }
taken() { grep -o "marks: player [12] left -1, reached [0-9]*" "$WORK/log.txt" | awk '{print $NF}'; }

start_display
start_game
press v
click_at 260 536
total=0
for turn in $(seq 0 11); do
  free=""
  for p in $(seq 0 23); do taken | grep -qx "$p" || { free=$p; break; }; done
  [ -n "$free" ] || fail "no free point"
  x=$(( ${places[$free]%,*} + 25 )); y=$(( ${places[$free]#*,} + 25 ))
  home_x=$(( turn < 6 ? 37 : 92 )); home_y=$(( 127 + 60 * (turn % 6) ))
  before=$(downs)
  xdotool mousemove --window "$WINDOW" "$home_x" "$home_y" click 1
  sleep 0.1
  xdotool mousemove --window "$WINDOW" "$((x + 3))" "$((y + 3))"
  sleep 0.05
  xdotool mousemove --window "$WINDOW" "$x" "$y"
  start=$(now_ms)
  xdotool click 1
  # The person's own piece and the computer's.
  for _ in $(seq 500); do [ "$(downs)" -ge $(( before + 2 )) ] && break; sleep 0.01; done
  [ "$(downs)" -ge $(( before + 2 )) ] || fail "turn $turn: the computer did not answer"
  waited=$(( $(now_ms) - start ))
  total=$(( total + waited ))
  echo "turn $(( turn + 1 )): point $free, waited $waited ms"
done
echo "placing phase against Beginner: $total ms of waiting in 12 turns"
close_window
click_at 400 365
wait_for_exit >/dev/null
