# With its address space limited to 300 MB (ulimit -v) the game reads its
# endgame tables, or says why it cannot and plays on without them; a person
# places against the Expert and quits with q: status 0, the game kept.
source "$(dirname "$0")/lib.sh"

printf 'playerTwoType = COMPUTER\r\ngameLevel = 3\r\n' > "$WORK/zelk.conf"
start_display
ulimit -S -v 300000            # the game's own limit: it starts with it
start_game
ulimit -S -v unlimited
for _ in $(seq 100); do log_has "Endgame tables:" && break; sleep 0.1; done
log_has "Endgame tables:" || fail "the game did not look for its tables"
press v
click_at 260 536               # "left starts"
moves() { grep -c "Moving pawn" "$LOG_FILE" || true; }
for place in "127 150 70" "187 630 470" "247 390 470"; do
  read -r home x y <<< "$place"
  before=$(moves)
  click_at 37 "$home"          # a piece from home
  move_to $(( x + 3 )) $(( y + 3 ))
  click_at "$x" "$y"
  for _ in $(seq 100); do [ "$(moves)" -ge $(( before + 2 )) ] && break; sleep 0.1; done
done
[ "$(moves)" -ge 2 ] || fail "the Expert did not answer"
xdotool key --window "$WINDOW" q
collect_exit "after q"
[ "$EXIT_CODE" = 0 ] || fail "exit status $EXIT_CODE"
[ -f "$WORK/zelk.save" ] || fail "the game was not kept"
echo "ok: under a 300 MB limit the game played the Expert and quit with the game kept ($(grep -m 1 "Endgame tables:" "$LOG_FILE"))"
