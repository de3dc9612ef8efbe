#!/usr/bin/env bash
# End-to-end: the real program shows the health luck and the reading, and
# prints a chart to the system's default printer. Run under
# cups_pdf_printer.sh (a CUPS PDF queue as the default printer). Clicks the
# prompt label (the sample date) and 健康運 (the chart is cast first, and only
# the health window stays in view), then the chart button, the chart window's
# 月支元命 picture (the reading window opens, the month pillar's 地星 cell turns
# orange) and its 命式印刷 picture, answers the question with Enter, waits for
# the closing box "印刷結果はいかがですか。" and closes it, then checks the page
# the queue wrote.
#
#   print_e2e.sh KESORA PAGE_CHECK      (KESORA_CUPS_PDF_OUT names the queue's folder)
#
# Without a DISPLAY it starts its own virtual X server. Its display number is
# searched from a random start: other virtual servers may be starting on the
# same machine at the same moment.
set -euo pipefail

kesora=${1:?usage: print_e2e.sh KESORA PAGE_CHECK}
page_check=${2:?usage: print_e2e.sh KESORA PAGE_CHECK}
out=${KESORA_CUPS_PDF_OUT:?run this under cups_pdf_printer.sh}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -n $(( 100 + RANDOM % 400 )) -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi

# Positions in pixels (15 twips each) from the window layouts.
px() { echo $(( ($1 + 7) / 15 )); }
readonly main_client_height=$(px 2820)
readonly prompt_x=$(( $(px 240) + $(px 4215) / 2 )) prompt_y=$(( $(px 720) + $(px 375) / 2 ))
readonly chart_button_x=$(( $(px 720) + $(px 4095) / 2 )) chart_button_y=$(( $(px 1920) + $(px 375) / 2 ))
readonly health_button_x=$(( $(px 4800) + $(px 1095) / 2 )) health_button_y=$(( $(px 1920) + $(px 735) / 2 ))
readonly print_x=$(( $(px 2250) + $(px 1350) / 2 )) picture_y=$(( $(px 6000) + $(px 495) / 2 ))
readonly reading_x=$(( $(px 3840) + $(px 1350) / 2 ))

# Bounds of every wait, in seconds (sanitizer builds start slowly).
readonly start_limit=60 window_limit=30 pdf_limit=120

work=$(mktemp -d)
program_pid=
cleanup() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    # Once the click sound has played, the sound library swallows SIGTERM; SIGKILL follows.
    kill "$program_pid" 2>/dev/null || true
    for _ in $(seq 20); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$program_pid" 2>/dev/null || true
  fi
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ ! -f "$work/program.log" ] || tail -n 20 "$work/program.log" >&2; exit 1; }

# The virtual X server may still be starting on a busy machine.
display_deadline=$(( SECONDS + start_limit ))
until xdotool getdisplaygeometry >/dev/null 2>&1; do
  [ "$SECONDS" -lt "$display_deadline" ] || { echo "FAIL: display $DISPLAY not reachable" >&2; exit 1; }
  sleep 0.1
done

# No first-run question, default settings, an empty person database beside a private copy.
echo "$work" >"$work/database.dat"
mkdir "$work/program"
cp "$kesora" "$work/program/kesora"
for media in M_S1.mid 音１.wav libkesora_sequencer.so libkesora_sound.so libkesora_cups.so; do
  [ ! -f "$(dirname "$kesora")/$media" ] || cp "$(dirname "$kesora")/$media" "$work/program/"
done
(cd "$work" && exec "$work/program/kesora") >"$work/program.log" 2>&1 &
program_pid=$!

# Runs `$2 …` every tenth of a second until it prints something, for at most $1 seconds.
poll() {
  local deadline=$(( SECONDS + $1 )) found; shift
  while [ "$SECONDS" -lt "$deadline" ]; do
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended early"
    found=$("$@" 2>/dev/null | head -n1 || true)
    if [ -n "$found" ]; then echo "$found"; return 0; fi
    sleep 0.1
  done
  return 1
}
visible_window() { xdotool search --all --onlyvisible --pid "$program_pid" --name "$1"; }
# A message box: titled Kesora like the main window, but another window than it and than $1.
message_box() { visible_window '^Kesora$' | grep -v -x -e "$main_window" -e "${1:-none}"; }
click_in() { xdotool mousemove --window "$1" --sync "$2" "$3" click 1; }
press_enter_in() { xdotool windowfocus --sync "$1" key Return; }

main_window=$(poll "$start_limit" visible_window '^Kesora$') || fail "no main window Kesora"
eval "$(xdotool getwindowgeometry --shell "$main_window")"
menu_bar_height=$(( HEIGHT - main_client_height ))
click_in "$main_window" "$prompt_x" "$(( menu_bar_height + prompt_y ))"
sleep 0.3
click_in "$main_window" "$health_button_x" "$(( menu_bar_height + health_button_y ))"
health_window=$(poll "$window_limit" visible_window '^健康運$') || fail "no health window 健康運 after its button"
[ -z "$(visible_window '^命式$' || true)" ] || fail "the chart window stayed in view after 健康運"
echo "health window shown, chart window hidden again"
# No window manager places windows here: move it off the main window's buttons.
xdotool windowmove --sync "$health_window" 700 0

click_in "$main_window" "$chart_button_x" "$(( menu_bar_height + chart_button_y ))"
chart_window=$(poll "$window_limit" visible_window '^命式$') || fail "no chart window 命式"

click_in "$chart_window" "$reading_x" "$picture_y"
poll "$window_limit" visible_window '^月支元命$' >/dev/null || fail "no reading window 月支元命 after its picture"
echo "reading window opened"

click_in "$chart_window" "$print_x" "$picture_y"
question=$(poll "$window_limit" message_box) || fail "no question after the 命式印刷 picture"
press_enter_in "$question"
closing=$(poll "$window_limit" message_box "$question") || fail "no closing box after the print job"
press_enter_in "$closing"
echo "print job handed over, closing box shown"

deadline=$(( SECONDS + pdf_limit ))
pdf=
while [ "$SECONDS" -lt "$deadline" ]; do
  pdf=$(find "$out" -name '*.pdf' -print -quit)
  [ -n "$pdf" ] && tail -c 32 "$pdf" | grep -q '%%EOF' && break
  pdf=
  sleep 0.2
done
[ -n "$pdf" ] || fail "the queue wrote no PDF within $pdf_limit seconds"
[ "$(find "$out" -name '*.pdf' | wc -l)" -eq 1 ] || fail "more than one job printed"
"$page_check" "$pdf" --orange || fail "the printed page is not the chart"
echo "PASS"
