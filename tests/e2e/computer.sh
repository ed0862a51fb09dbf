# A person plays against the computer at Beginner: each piece the person
# places is answered by one of the computer's, which glides in from its home
# column; with `v` the computer's reasoning goes to the log.
source "$(dirname "$0")/lib.sh"

printf 'playerTwoType = COMPUTER\r\ngameLevel = 1\r\n' > "$WORK/zelk.conf"
start_display
start_game
press v
click_at 260 536             # "left starts": the person moves first

place() {
  click_at "$1" "$2"
  move_to $(( $3 + 3 )) $(( $4 + 3 ))
  click_at "$3" "$4"
}
# Each piece put down is heard, the computer's when its glide has landed.
place 37 127 150 70          # point 0
wait_log "sound: put down" 2
place 37 187 150 470         # point 21
wait_log "sound: put down" 4
screenshot against-computer
log_has "I am beginner" || fail "the computer's reasoning is not in the log"

close_window
click_at 400 365             # Yes
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
echo "ok: a person against the computer, its answers and its reasoning in the log"
