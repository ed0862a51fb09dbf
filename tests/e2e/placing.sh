# Two people start a game and place pieces with the mouse; player one's
# third piece completes a line, which glows gold; closing the window asks
# "Sure to quit the game?" and Yes ends the program.
source "$(dirname "$0")/lib.sh"

printf 'playerTwoType = HUMAN\r\n' > "$WORK/zelk.conf"
start_display
start_game
press v                      # debug: game events go to the log
click_at 260 536             # "left starts"
log_has "Moving pawn" && fail "a piece moved before any was placed"

place() {  # from a home place to a point centre
  click_at "$1" "$2"
  move_to $(( $3 + 3 )) $(( $4 + 3 ))
  click_at "$3" "$4"
}
place 37 127 150 70          # player one: point 0
place 687 127 224 136        # player two: point 3
place 37 187 390 70          # player one: point 1
place 687 187 386 136        # player two: point 4
screenshot placing
# Player one: point 2, the line 0-1-2. The game's own screenshot (s held)
# is taken right after the drop, while the line glows.
click_at 37 247
move_to 633 73
xdotool mousemove --window "$WINDOW" 630 70 click 1 keydown s
wait_log "realized first Jare" 1
wait_for "screenshot while s was held" 100 test -s "$WORK/mainscreenshot.bmp"
xdotool keyup --window "$WINDOW" s
[ "$(grep -c "Moving pawn" "$WORK/log.txt")" = 5 ] || fail "five pieces should have been put down"
[ -f "$WORK/mainscreenshot.bmp" ] || fail "no screenshot while s was held"
convert "$WORK/mainscreenshot.bmp" "$SHOTS/flash.png"
# Just outside point 1's piece the board turns gold: far less blue.
glow=$(convert "$SHOTS/flash.png" -format "%[fx:int(255*p{410,90}.r)],%[fx:int(255*p{410,90}.b)]" info:)
board=$(pixel placing 410 90)
[ "${glow##*,}" -lt $(( ${board##*,} - 25 )) ] && [ "${glow%%,*}" -gt $(( ${glow##*,} + 80 )) ] ||
  fail "point 1 does not glow ($glow against the board's $board)"

close_window
question_shown() { [ "$(shot_pixel 202 200)" = "0,0,0" ]; }
wait_for "dialog frame" 100 question_shown
screenshot question
click_at 400 365             # Yes
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
echo "ok: placing by mouse, the flash of the first line, the quit question"
