# A newcomer's first visit, as a person would make it: the opponent chosen
# on the start screen, the how-to-play pages paged through and closed, a
# whole game against Dummy, told turn by turn by the line above the board,
# to the summary panel over the final position; then a saved position where
# the other side is boxed in, for the safe-route question and its note.
source "$(dirname "$0")/lib.sh"
RANDOM=20

# The centres of the 24 points on the frame.
CENTRES=(150,70 390,70 630,70 224,136 386,136 548,136 290,210 385,210 480,210 150,270 220,270 290,270
         490,270 553,270 625,270 290,333 385,333 480,333 224,402 386,402 548,402 150,470 390,470 630,470)
# The lines of three, and each point's neighbours.
LINES=("0 1 2" "0 9 21" "3 4 5" "3 10 18" "6 7 8" "6 11 15" "1 4 7" "2 14 23" "5 13 20" "8 12 17" "9 10 11"
       "21 22 23" "18 19 20" "15 16 17" "16 19 22" "12 13 14")
NEIGHBOURS=("1 9" "0 2 4" "1 14" "10 4" "3 5 1 7" "4 13" "7 11" "4 6 8" "7 12" "0 10 21" "3 9 11 18" "6 10 15"
            "8 17 13" "5 12 14 20" "2 13 23" "11 16" "15 17 19" "12 16" "10 19" "16 18 20 22" "13 19" "9 22"
            "19 21 23" "14 22")

grab() { import -window "$WINDOW" "$WORK/now.png"; }
# "r g b" of frame pixels of the last grab.
colours() {
  local format=""
  for point in "$@"; do format+="%[fx:int(255*p{${point}}.r)] %[fx:int(255*p{${point}}.g)] %[fx:int(255*p{${point}}.b)]\n"; done
  convert "$WORK/now.png" -format "$format" info:
}
# The board as 24 letters: D the person's (dark) piece, L the computer's, . empty.
read_board() {
  BOARD=""
  while read -r r g b; do
    if [ "$r" -gt 180 ]; then BOARD+=L; elif [ "$r" -lt 100 ]; then BOARD+=D; else BOARD+=.; fi
  done < <(colours "${CENTRES[@]}")
}
# A point's centre, or a pixel beside it when the pointer is there already
# (a move to where it stands would wait for nothing).
click_point() {
  local c=${CENTRES[$1]} x y
  x=${c%,*}; y=${c#*,}
  [ "$x,$y" = "${LAST_CLICK:-}" ] && x=$((x + 1))
  LAST_CLICK="$x,$y"
  click_at "$x" "$y"
}

# The person is to act once the coach line's dark band reaches past the
# short "... is thinking" text (the line is on by default).
persons_turn() {
  grab
  local dark=1 r
  while read -r r _ _; do [ "$r" -lt 90 ] && dark=0; done < <(colours 296,5 296,10 296,16 296,22)
  return $dark
}
# The end panel's gold frame.
game_over() { grab; [ "$(colours 203,250)" = "230 200 120" ]; }
wait_turn_or_end() { wait_for "the person's turn or the end" 300 turn_or_end; }
turn_or_end() { game_over && return 0; answered && return 1; persons_turn && { sleep 0.2; persons_turn; }; }
# Against Dummy, the safe-route question when Dummy is boxed in (its dark
# edge where the board is light, in the last grab): Yes, the person moves again.
answered() {
  local r
  [ -n "${ANSWER_SAFE_ROUTE:-}" ] || return 1
  read -r r _ _ < <(colours 400,101)
  [ "$r" -lt 140 ] || return 1
  click_at 420 363
}

count() { local t=${BOARD//[^$1]/}; echo ${#t}; }
completes_line() {  # point $1 taken by D would complete a line of D
  local line p
  for line in "${LINES[@]}"; do
    [[ " $line " == *" $1 "* ]] || continue
    local whole=1
    for p in $line; do [ "$p" = "$1" ] || [ "${BOARD:$p:1}" = D ] || whole=0; done
    [ $whole = 1 ] && return 0
  done
  return 1
}
remove_one() {
  for p in $(seq 0 23); do [ "${BOARD:$p:1}" = L ] && { click_point "$p"; return; }; done
}
HOME_SPOTS=(37,127 92,127 37,187 92,187 37,247 92,247 37,307 92,307 37,367 92,367 37,427 92,427)
home_piece() {  # a piece of the person still beside the board
  grab
  local k=0
  while read -r r _ _; do
    [ "$r" -lt 100 ] && { HOME_X=${HOME_SPOTS[$k]%,*}; HOME_Y=${HOME_SPOTS[$k]#*,}; return 0; }
    k=$((k + 1))
  done < <(colours "${HOME_SPOTS[@]}")
  return 1
}

start_display
start_game
screenshot start
click_at 311 465                                  # "Dummy"
grab
[ "$(colours 311,452)" != "$(colours 223,452)" ] || fail "the chosen opponent is not shown"
screenshot start-dummy

press F2
page_shown() { grab; [ "$(colours 700,48)" = "120 40 20" ]; }
wait_for "how-to-play pages" 100 page_shown
for page in 1 2 3 4 5 6 7 8; do
  screenshot "howto-$page"
  click_at $((649 + page % 2)) 520                # Next; Close on the last page (the pointer moves each time)
done
wait_for "the pages closed" 100 start_screen_shown

click_at 260 536                                  # Left starts: the person places first
wait_turn_or_end
screenshot coach-placing
placed=0
while home_piece; do
  read_board
  target=""
  for p in $(seq 0 23); do [ "${BOARD:$p:1}" = . ] && completes_line "$p" && { target=$p; break; }; done
  [ -z "$target" ] && for p in $(seq 0 23); do [ "${BOARD:$p:1}" = . ] && { target=$p; break; }; done
  click_at "$HOME_X" "$HOME_Y"
  click_point "$target"
  placed=$((placed + 1))
  wait_turn_or_end
done
[ "$placed" = 12 ] || fail "placed $placed pieces"
read_board
[ "$(count L)" -ge 11 ] || fail "the computer did not place: $BOARD"
screenshot coach-opening
ANSWER_SAFE_ROUTE=1                               # from here on Dummy may be boxed in
remove_one
wait_turn_or_end
screenshot coach-moving

# Moving: a step that completes a line, else one that empties a point of a
# line of the person's to come back to, else any.
turns=0
while ! game_over; do
  turns=$((turns + 1))
  [ $turns -le 120 ] || fail "no end after 120 turns"
  read_board
  # A step that completes a line; else one out of a whole line, to step
  # back in next turn; else any, at random.
  move="" out="" any=()
  for from in $(seq 0 23); do
    [ "${BOARD:$from:1}" = D ] || continue
    for to in ${NEIGHBOURS[$from]}; do
      [ "${BOARD:$to:1}" = . ] || continue
      any+=("$from $to")
      completes_line "$from" && out="$from $to"
      saved=$BOARD
      BOARD="${BOARD:0:$from}.${BOARD:$((from + 1))}"
      completes_line "$to" && move="$from $to"
      BOARD=$saved
    done
  done
  [ -z "$move" ] && move=$out
  [ -z "$move" ] && [ ${#any[@]} -gt 0 ] && move=${any[$((RANDOM % ${#any[@]}))]}
  [ -n "$move" ] || fail "the person cannot move: $BOARD"
  set -- $move
  click_point "$1"
  click_point "$2"
  BOARD="${BOARD:0:$1}.${BOARD:$(($1 + 1))}"
  if completes_line "$2"; then
    [ $turns -le 3 ] && screenshot coach-removing
    grab; read_board
    remove_one
  fi
  wait_turn_or_end
done
ANSWER_SAFE_ROUTE=""
screenshot end-panel
click_at 522 362                                  # Review the game just ended
wait_log "review: [0-9]* actions" 1
screenshot review-from-end-panel
press Escape
wait_log "review: left" 1
click_at 400 362                                  # Leave the game
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"

# Two people, player two boxed in but for one step that player one's 4 -> 5
# takes away: the safe-route question and what its answers do.
position="2 0 0 1 6 1 0 3 1 4 0 r1 1 9 14 22 4 20 -2 -2 -2 -2 -2 -2 0 2 21 -2 -2 -2 -2 -2 -2 -2 -2 -2"
printf 'zelk save 1\nkinds 0 0\nlevel 0\nhistory 1 0\n%s\nnow %s\nend\n' "$position" "$position" > "$WORK/zelk.save"
start_game
click_at 420 365                                  # Yes: resume the unfinished game
wait_turn_or_end
screenshot coach-two-people
board_there=$(colours 300,120)
question() { grab; [ "$(colours 300,120)" != "$board_there" ]; }  # the question's panel
click_point 4
click_point 5
wait_for "the safe-route question" 100 question
screenshot safe-route-question
click_at 420 365                                  # Yes: player one moves again
wait_turn_or_end
screenshot coach-safe-route
click_point 14
click_point 13                                    # 5, 13, 20 on the safe route
wait_turn_or_end
screenshot coach-safe-route-line
read_board
[ "$(count L)" = 3 ] || fail "the line on the safe route removed a piece: $BOARD"
press q
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"
echo "ok: opponent chosen, pages paged, a whole game against Dummy to the end panel ($turns moves), a safe route explained"
