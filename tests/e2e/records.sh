# The game's records on screen. A whole game of two computers at Dummy,
# played unattended, ends in the games file. Started again, o on the start
# screen goes over the file's last game, Page Up the one before: Home, then
# Right steps action by action, the verdicts come; t shows the results. A person's game against Dummy: l
# shows the move list, which follows the turn taken back; c the board's
# letters and digits. `zelk --review
# FILE N` opens a record at once; a missing file is refused with its reason.
source "$(dirname "$0")/lib.sh"

printf 'playerOneType = COMPUTER\r\nplayerTwoType = COMPUTER\r\ngameLevel = 0\r\n' > "$WORK/zelk.conf"
(cd "$WORK" && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ZELK_UNATTENDED=40000 "$ZELK_BIN" >/dev/null 2>&1) ||
  fail "the unattended game failed"
grep -Eq '^\[Result "(1-0|0-1)"\]' "$WORK/zelk.games" || fail "no finished game in the games file"
grep -q '^1\. [a-g][1-7] 2\. ' "$WORK/zelk.games" || fail "the record holds no turns"

printf 'playerTwoType = COMPUTER\r\ngameLevel = 0\r\n' > "$WORK/zelk.conf"
start_display
start_game
press v
cp "$WORK/zelk.games" "$WORK/first.games"
cat "$WORK/first.games" >> "$WORK/zelk.games"  # two games to go through
press o
wait_log "review: [0-9]* actions" 1
press Prior                  # the first of the two
wait_log "review: [0-9]* actions" 2
press Home
for step in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26; do press Right; done
wait_log "review: at action 26" 1
wait_log "review: verdict on action 26" 1
screenshot review-stepping
press End
wait_log "review: at action" 28
screenshot review-end
press Escape
wait_log "review: left" 1
press t
screenshot results
press t

click_at 260 536             # "left starts"
turn 0 0 21 4 13
turn 1 21 4 13 8
turn 2 4 13 8 16
press l
press c                      # the board's letters and digits, kept in zelk.prefs
move_to 700 590
screenshot move-list
grep -q "boardCoordinates = 1" "$WORK/zelk.prefs" || fail "the coordinates' switch was not kept"
press u
wait_log "Took back 2 placements" 1
screenshot move-list-taken-back
press q
code=$(wait_for_exit)
[ "$code" = 0 ] || fail "exit code $code"

# The games file's first record, gone over from the command line.
(cd "$WORK" && unset SDL_VIDEODRIVER && SDL_AUDIODRIVER=dummy exec "$ZELK_BIN" --review zelk.games 1 >"$WORK/stdout.txt" 2>&1) &
GAME_PID=$!
WINDOW=$(timeout 20 xdotool search --sync --name "^Zelk - a somali game$" | head -n 1) || fail "no window for --review"
wait_log "review: " 1
press Right
press Right
wait_log "review: at action 2" 1
screenshot review-command-line
press q
collect_exit "after q in the review"
[ "$EXIT_CODE" = 0 ] || fail "exit code $EXIT_CODE after --review"

set +e
(cd "$WORK" && "$ZELK_BIN" --review no-such.games 2>"$WORK/refused.txt")
code=$?
set -e
[ "$code" = 2 ] || fail "a missing record file gave exit code $code"
grep -q "no-such.games" "$WORK/refused.txt" || fail "the refusal does not name the file"
echo "ok: a finished game kept, gone over, listed, and opened from the command line"
