# A person places against the Expert: it searches, answers with a piece of
# its own, and its search (depth, nodes, line) reaches the log after `v`.
source "$(dirname "$0")/lib.sh"

printf 'playerTwoType = COMPUTER\r\ngameLevel = 3\r\n' > "$WORK/zelk.conf"
start_display
start_game
press v
click_at 260 536             # "left starts"
click_at 37 127              # a piece from home
move_to 153 73
click_at 150 70              # onto point 0
for _ in $(seq 80); do
  [ "$(grep -c "Moving pawn" "$WORK/log.txt")" -ge 2 ] && break
  sleep 0.1
done
[ "$(grep -c "Moving pawn" "$WORK/log.txt")" -ge 2 ] || fail "the Expert did not answer"
log_has "expert: depth" || fail "the Expert's search is not in the log"
sleep 3                      # its piece glides in from the right column
screenshot expert
answer=$(grep -oE "Vumero: Moving pawn [0-9]+ in cell [0-9]+" "$WORK/log.txt" | head -n 1)
[ -n "$answer" ] || fail "player two placed nothing"
[ "${answer##* }" != 0 ] || fail "the Expert placed on the person's point"

close_window
click_at 400 365             # Yes
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
echo "ok: the Expert answers a person's placement and logs its search"
