# A person plays three turns against Beginner, takes the last one back with
# u (the computer's answer goes back too) and quits with q: the game is
# saved. Started again, the game offers to resume it; Yes puts back the
# position that was left; h marks the Expert's advice on the board; q saves
# the game again.
source "$(dirname "$0")/lib.sh"

printf 'playerTwoType = COMPUTER\r\ngameLevel = 1\r\n' > "$WORK/zelk.conf"
start_display
start_game
press v
click_at 260 536             # "left starts"

# Point centres, by point number.
CENTRE_X=(150 390 630 224 386 548 290 385 480 150 220 290 490 553 625 290 385 480 224 386 548 150 390 630)
CENTRE_Y=(70 70 70 136 136 136 210 210 210 270 270 270 270 270 270 333 333 333 402 402 402 470 470 470)
put_down() { grep -c "Moving pawn" "$WORK/log.txt" || true; }
taken() { grep -q "in cell $1\$" "$WORK/log.txt" || grep -q "in cell $1"$'\r' "$WORK/log.txt"; }
turn() {                     # a piece from home row $1 to the first free point of the rest
  local row=$1; shift
  for point in "$@"; do
    taken "$point" && continue
    local before; before=$(put_down)
    click_at 37 $(( 127 + 60 * row ))
    move_to $(( ${CENTRE_X[$point]} + 3 )) $(( ${CENTRE_Y[$point]} + 3 ))
    click_at "${CENTRE_X[$point]}" "${CENTRE_Y[$point]}"
    for _ in $(seq 150); do  # the computer's answer, then its glide
      [ "$(put_down)" -ge $(( before + 2 )) ] && { sleep 3; return 0; }
      sleep 0.1
    done
    fail "the computer did not answer the placement on point $point"
  done
  fail "no free point among $*"
}
turn 0 0 21 4 13
turn 1 21 4 13 8
turn 2 4 13 8 16
screenshot three-turns
press u
log_has "Took back 2 placements" || fail "u did not take back the last turn"
screenshot taken-back
press q
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
[ -f "$WORK/zelk.save" ] || fail "quitting in the middle of a game saved nothing"
grep -q "^zelk save 1" "$WORK/zelk.save" || fail "the save has no version line"

start_game
move_to 300 300              # the question is drawn at the first event
move_to 310 310
screenshot resume-question
[ "$(pixel resume-question 202 200)" = "0,0,0" ] || fail "no resume question"
click_at 420 365             # Yes
sleep 0.5
log_has "Resumed the saved game" || fail "the game was not resumed"
move_to 700 590              # the pointer away from the board
screenshot resumed
for point in $(seq 0 23); do
  x=$(( ${CENTRE_X[$point]} + 14 )); y=$(( ${CENTRE_Y[$point]} + 14 ))
  [ "$(pixel taken-back $x $y)" = "$(pixel resumed $x $y)" ] ||
    fail "point $point differs between the position left and the one resumed"
done
press v
press h
sleep 0.7                    # the advice thinks for up to half a second
grep -qE "Hint: (winning|even|losing)" "$WORK/log.txt" || fail "h gave no advice"
screenshot hint
press q
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
[ -f "$WORK/zelk.save" ] || fail "the resumed game was not saved again"
echo "ok: take-back against Beginner, the save at q, the resume question, the position left, the hint"
