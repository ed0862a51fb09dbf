# A person plays Beginner and can follow each computer turn: the point the
# computer's piece reached is ringed, the line it makes glows, its removal
# is marked, the sounds are asked for; a carried piece lights only its legal
# destinations. Screenshots go to ZELK_E2E_SHOTS when set.
source "$(dirname "$0")/lib.sh"

printf 'playerTwoType = COMPUTER\r\ngameLevel = 1\r\n' > "$WORK/zelk.conf"
start_display
start_game
press v
click_at 260 536             # "left starts": the person moves first

count() { log_count "$1"; }
wait_count() { wait_log "$1" "$2"; }
place() {
  click_at "$1" "$2"
  move_to $(( $3 + 3 )) $(( $4 + 3 ))
  click_at "$3" "$4"
}
centre() { echo $(( $1 + 25 )) $(( $2 + 25 )); }

click_at 687 127                      # the computer's piece: a wrong click
wait_count "pawn is not your" 1
screenshot wrong-click-message
place 37 127 $(centre 125 45)         # point 0
wait_count "sound: put down" 2        # the person's and the computer's
screenshot placing-marks

# The computer's last placement is ringed: the point it reached, in the
# log as the last "Moving pawn ... in cell N".
cell=$(grep -o "Moving pawn [0-9]* in cell [0-9]*" "$WORK/log.txt" | tail -n 1 | awk '{print $NF}')
[ -n "$cell" ] || fail "no computer placement in the log"
echo "computer placed on point $cell"

# The board full and the opening removals: the computer removes first.
press 2
wait_count "sound: removal" 1
screenshot opening-removal-mark

# The person removes one of the computer's pieces (point 12), then moves.
click_at $(centre 465 245)
wait_count "sound: removal" 2
screenshot moving-phase
grep -q "Tavi: Moving pawn" "$WORK/log.txt" || fail "no placement by the person"

# The person moves a piece next to the point the computer emptied; carried,
# it lights its legal destinations and no other point.
removed=$(grep -o "marks: player 2 removed on [0-9]*" "$WORK/log.txt" | tail -n 1 | awk '{print $NF}')
neighbours=("1 9" "0 2 4" "1 14" "10 4" "3 5 1 7" "4 13" "7 11" "4 6 8" "7 12" "0 10 21" "3 9 11 18" "6 10 15")
piece=""
for n in ${neighbours[$removed]}; do [ "$n" -le 11 ] && [ "$n" != "$removed" ] && { piece=$n; break; }; done
[ -n "$piece" ] || fail "no piece of the person next to point $removed"
places=(125,45 365,45 605,45 199,111 361,111 523,111 265,185 360,185 455,185 125,245 195,245 265,245)
at() { local p=${places[$1]}; centre "${p%,*}" "${p#*,}"; }
lines=$(count "sound: line")
downs=$(count "sound: put down")
ups=$(count "sound: pick up")
click_at $(at "$piece")
wait_count "sound: pick up" $(( ups + 1 ))
move_to 420 20
screenshot carrying
click_at $(at "$removed")
wait_count "sound: put down" $(( downs + 1 ))
# A step that made a line removes first: one of the computer's, on point 13.
[ "$(count "sound: line")" -gt "$lines" ] && click_at $(centre 528 245)
wait_count "marks: player 2 left" 1   # the computer's answering step
wait_count "sound: put down" $(( downs + 2 ))
screenshot after-computer-move

# The lines through point 0 glow when asked with j.
move_to $(centre 125 45)
press j
screenshot line-glow
for s in "pick up" "put down" "removal"; do
  [ "$(count "sound: $s")" -ge 1 ] || fail "no '$s' sound"
done
close_window
click_at 400 365             # Yes
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
echo "ok: the computer's turns are marked and heard"
