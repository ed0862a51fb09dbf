# The settings screen by mouse: opened from the start menu, the rules page
# handed to the opener, player two made human and saved; after a restart
# zelk.conf and the screen still say so.
source "$(dirname "$0")/lib.sh"

# Never a real browser: the opener only notes what it was asked to open.
printf '#!/bin/sh\nprintf "%%s" "$*" > "%s/opened.txt"\n' "$WORK" > "$WORK/opener.sh"
chmod +x "$WORK/opener.sh"
export ZELK_OPENER="$WORK/opener.sh"

ticked() {  # box centre in a screenshot: the green of ok.png
  local colour
  colour=$(pixel "$1" "$2" "$3")
  [ "$(echo "$colour" | cut -d, -f2)" -lt 200 ]
}

about_shown() { [ "$(shot_pixel 80 300)" = "55,255,255" ]; }
start_display
start_game
click_at 340 536             # the rules button
wait_for "settings screen" 100 about_shown
screenshot about
[ "$(pixel about 80 300)" = "55,255,255" ] || fail "no panel outline ($(pixel about 80 300))"
[ "$(pixel about 770 400)" = "0,0,0" ] || fail "no credits box"
ticked about 394 328 && fail "player two starts as a computer"
ticked about 477 328 || fail "player two's Computer box is not ticked"

click_at 140 536             # go to WikZelk
wait_for "rules page handed to the opener" 200 test -s "$WORK/opened.txt"
[ "$(cat "$WORK/opened.txt" 2>/dev/null)" = "file://$WORK/docs/rules.html" ] ||
  fail "the rules page was not opened ($(cat "$WORK/opened.txt" 2>/dev/null))"
[ -f "$WORK/docs/rules.html" ] || fail "the rules page is not reachable"

click_at 394 328             # player two: Human
click_at 300 250             # a redraw that shows the ticks
human_ticked() { screenshot changed && ticked changed 394 328; }
wait_for "tick in player two's Human box" 100 human_ticked
click_at 560 536             # Save and exit
press q
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
grep -q "playerTwoType = HUMAN" "$WORK/zelk.conf" || fail "zelk.conf did not keep the change"

start_game
click_at 340 536
wait_for "settings screen" 100 about_shown
screenshot again
ticked again 394 328 || fail "after a restart player two is not human on the screen"
ticked again 477 328 && fail "after a restart player two's Computer box is still ticked"
click_at 690 536             # Exit
press q
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
echo "ok: the settings screen by mouse, the rules page, a saved change kept across a restart"
