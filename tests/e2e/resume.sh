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
