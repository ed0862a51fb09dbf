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
    local before; before=$(log_count "sound: put down")
    click_at 37 $(( 127 + 60 * row ))
    move_to $(( ${CENTRE_X[$point]} + 3 )) $(( ${CENTRE_Y[$point]} + 3 ))
    click_at "${CENTRE_X[$point]}" "${CENTRE_Y[$point]}"
    # The person's piece put down, then the computer's, once it has landed.
    wait_log "sound: put down" $(( before + 2 ))
    return 0
  done
  fail "no free point among $*"
}
turn 0 0 21 4 13
turn 1 21 4 13 8
turn 2 4 13 8 16
screenshot three-turns
press u
wait_log "Took back 2 placements" 1
screenshot taken-back
press q
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
[ -f "$WORK/zelk.save" ] || fail "quitting in the middle of a game saved nothing"
grep -q "^zelk save 2" "$WORK/zelk.save" || fail "the save has no version line"

start_game
move_to 300 300              # the question is drawn at the first event
move_to 310 310
question_shown() { [ "$(shot_pixel 202 200)" = "0,0,0" ]; }
wait_for "resume question" 100 question_shown
screenshot resume-question
click_at 420 365             # Yes
wait_log "Resumed the saved game" 1
move_to 700 590              # the pointer away from the board
# The position left, drawn again: every point as it was.
same_points() {
  screenshot resumed
  for point in $(seq 0 23); do
    x=$(( ${CENTRE_X[$point]} + 14 )); y=$(( ${CENTRE_Y[$point]} + 14 ))
    [ "$(pixel taken-back $x $y)" = "$(pixel resumed $x $y)" ] || return 1
  done
}
wait_for "the position left, on the board again" 100 same_points
press v
press h
advice_given() { grep -qE "Hint: (winning|even|losing)" "$WORK/log.txt"; }
wait_for "advice after h" 200 advice_given
screenshot hint
press q
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
[ -f "$WORK/zelk.save" ] || fail "the resumed game was not saved again"
echo "ok: take-back against Beginner, the save at q, the resume question, the position left, the hint"
