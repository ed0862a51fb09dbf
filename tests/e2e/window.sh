# The window at other sizes, on a 1920 x 1080 screen: made 1280 x 800 with
# xdotool, the frame shows scaled between black bars and two people place
# pieces by clicks at the scaled places; F11 fills the screen and a click
# there places the next one; the next start opens full screen; the language
# set to Somali on the settings screen applies at once (a game and a wrong
# click's status in Somali) and is kept.
# ZELK_E2E_SHOTS=dir keeps the screenshots.
source "$(dirname "$0")/lib.sh"

XVFB_SCREEN=1920x1080x24
printf 'playerTwoType = HUMAN\r\n' > "$WORK/zelk.conf"
start_display
start_game
press v                      # debug: game events go to the log

WIN_W=800 WIN_H=600 FULL=0
# Where the window shows frame pixel (x, y): the frame as large as it
# holds, centred.
scaled() {
  awk -v x="$1" -v y="$2" -v w="$WIN_W" -v h="$WIN_H" 'BEGIN {
    s = w / 800 < h / 600 ? w / 800 : h / 600
    printf "%d %d", (w - 800 * s) / 2 + (x + 0.5) * s, (h - 600 * s) / 2 + (y + 0.5) * s }'
}
# A click at frame pixel (x, y): in the window, or on the screen in full screen.
click_frame() {
  local place wx wy
  place=$(scaled "$1" "$2")
  wx=${place% *} wy=${place#* }
  if [ "$FULL" = 1 ]; then xdotool mousemove "$wx" "$wy"; else xdotool mousemove --window "$WINDOW" "$wx" "$wy"; fi
  sleep 0.08
  xdotool click 1
  sleep 0.2
}
place() {  # from a home place to a point's centre, in frame pixels
  click_frame "$1" "$2"
  click_frame "$3" "$4"
}
placed() { grep -c "Moving pawn" "$LOG_FILE" || true; }
# The colour of a screen pixel of the last screenshot.
screen_pixel() {
  convert "$SHOTS/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
# Until the window shows a black bar at (x, y) and the frame at (fx, fy),
# in window pixels (the game centres the window again when its size changes).
wait_for_bars() {  # shot x y fx fy
  for _ in $(seq 50); do
    screenshot "$1"
    if [ "$FULL" = 1 ]; then WIN_X=0 WIN_Y=0; else window_origin; fi
    [ "$(screen_pixel "$1" $(( WIN_X + $2 )) $(( WIN_Y + $3 )))" = "0,0,0" ] &&
      [ "$(screen_pixel "$1" $(( WIN_X + $4 )) $(( WIN_Y + $5 )))" != "0,0,0" ] && return 0
    sleep 0.1
  done
  return 1
}

xdotool windowsize "$WINDOW" 1280 800
WIN_W=1280 WIN_H=800
# The frame is 1067 wide: 106 pixels of bar on each side.
wait_for_bars resized 50 400 640 400 ||
  fail "no frame between black bars at 1280 x 800"
click_frame 260 536          # "left starts"
place 37 127 150 70          # player one: point 0
place 687 127 224 136        # player two: point 3
place 37 187 390 70          # player one: point 1
[ "$(placed)" = 3 ] || fail "three pieces should be down at 1280 x 800, $(placed) are"
screenshot "22-resized-1280x800"

press F11
WIN_W=1920 WIN_H=1080 FULL=1
wait_for_bars fullscreen 100 540 960 540 || fail "full screen shows no frame between bars"
place 687 187 386 136        # player two: point 4
[ "$(placed)" = 4 ] || fail "the click in full screen placed nothing"
screenshot "22-fullscreen-1920x1080"
xdotool key q
# In this shell, not a subshell: only the shell that started the game may
# wait for it.
wait_for_exit > "$WORK/code"
[ "$(cat "$WORK/code")" = 0 ] || fail "q did not end the game ($(cat "$WORK/code"))"
grep -q "fullScreen = 1" "$WORK/zelk.window" || fail "full screen not kept: $(cat "$WORK/zelk.window")"

# The next start: full screen again. Only the window is of interest: the
# game left unfinished is set aside.
rm -f "$WORK/zelk.save"
start_game
wait_for_bars restarted 100 540 960 540 || fail "the next start is not full screen"
click_frame 340 536          # the settings screen
click_frame 602 240          # Soomaali
click_frame 560 536          # "Save and exit"
sleep 0.3
screenshot "22-somali-fullscreen"
click_frame 340 536
sleep 0.3
screenshot "22-somali-settings"
click_frame 690 536          # "Exit"
click_frame 260 536          # a game
place 37 127 150 70          # player one: point 0
click_frame 37 187           # player two's turn: player one's piece
sleep 0.3
screenshot "22-somali-game"
xdotool key q
wait_for_exit > "$WORK/code"
[ "$(cat "$WORK/code")" = 0 ] || fail "q did not end the game ($(cat "$WORK/code"))"
grep -q "^language = 2" "$WORK/zelk.conf" || fail "Somali not saved in the settings"
log_has "No som text" && fail "a text missing in Somali: $(grep "No som text" "$LOG_FILE" | head -n 3)"
echo "ok: a resized window played by clicks, F11 at 1920 x 1080, kept for the next start, Somali chosen on screen"
