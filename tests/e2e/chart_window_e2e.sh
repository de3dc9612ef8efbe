#!/usr/bin/env bash
# End-to-end: the real program under a virtual X server. Clicks the prompt
# label 生年月日を入力してください (which fills the sample date 昭和1年12月31日
# 1時～3時) and the chart button 命　式　表　示, waits for the chart window 命式
# and compares its pixels with a reference drawing of the expected chart.
#
#   chart_window_e2e.sh KESORA REFERENCE_TOOL      (run under xvfb-run -a)
#
# Pass: every cell of the stem and branch rows matches the reference of the
# expected chart, and so does the whole window within a small tolerance;
# a reference of a different date (one day earlier) is clearly told apart
# from the screenshot in the cells where its pillars differ.
set -euo pipefail

kesora=${1:?usage: chart_window_e2e.sh KESORA REFERENCE_TOOL}
reference_tool=${2:?usage: chart_window_e2e.sh KESORA REFERENCE_TOOL}
: "${DISPLAY:?run this under xvfb-run -a}"

# The sample date's chart: year 丙寅, month 庚子, day 甲午, hour 乙丑.
readonly expected_pillars=丙寅,庚子,甲午,乙丑
# One day earlier: the day and hour pillars change (癸巳, 癸丑).
readonly decoy_day=30
readonly decoy_pillars=丙寅,庚子,癸巳,癸丑

# Window geometry in pixels (15 twips each), from the main window's layout.
px() { echo $(( ($1 + 7) / 15 )); }
readonly main_client_height=$(px 2820)             # compact client area under the menu bar
readonly prompt_x=$(( $(px 240) + $(px 4215) / 2 ))  # Label1 at 240,720,4215,375
readonly prompt_y=$(( $(px 720) + $(px 375) / 2 ))
readonly chart_button_x=$(( $(px 720) + $(px 4095) / 2 ))  # itiran at 720,1920,4095,375
readonly chart_button_y=$(( $(px 1920) + $(px 375) / 2 ))
readonly chart_width=$(px 7095) chart_height=$(px 6705)

# Bounds of every wait, in seconds (sanitizer builds start slowly).
readonly start_limit=60 chart_limit=30 paint_limit=20

# Pixel tolerances: colour distance treated as equal, and how many differing
# pixels a cell or the whole window may have before it counts as different.
readonly fuzz=12%
readonly cell_tolerance=4
readonly window_tolerance=60
readonly decoy_minimum=40

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
  if [ -n "${KEEP_E2E_FILES:-}" ]; then echo "files kept in $work"; else rm -rf "$work"; fi
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A non-blank database.dat: no first-run question. No rizazede.dat: default settings.
echo "$work" > "$work/database.dat"
# The program keeps its person database beside itself: a private copy starts
# with an empty one, whatever the build folder holds, and leaves that alone.
mkdir "$work/program"
cp "$kesora" "$work/program/kesora"
for media in M_S1.mid 音１.wav libkesora_sequencer.so libkesora_sound.so libkesora_cups.so; do
  [ ! -f "$(dirname "$kesora")/$media" ] || cp "$(dirname "$kesora")/$media" "$work/program/"
done

# --- references ---------------------------------------------------------------
render_reference() {  # name day pillars
  (cd "$work" && QT_QPA_PLATFORM=offscreen "$reference_tool" --era 昭和 --year 1 --month 12 --day "$2" \
      --hour 1時～3時 --expect "$3" --png "$1.png" --cells "$1.cells") ||
    fail "reference $1 (昭和1年12月$2日) not drawn (exit $?)"
}
render_reference expected 31 "$expected_pillars"
render_reference decoy "$decoy_day" "$decoy_pillars"

# --- the program ---------------------------------------------------------------
(cd "$work" && exec "$work/program/kesora") > "$work/program.log" 2>&1 &
program_pid=$!

# Runs `$2 …` every tenth of a second until it prints something, for at most $1 seconds.
poll() {
  local deadline=$(( SECONDS + $1 )) found; shift
  while [ "$SECONDS" -lt "$deadline" ]; do
    kill -0 "$program_pid" 2>/dev/null || { cat "$work/program.log" >&2; fail "the program ended early"; }
    found=$("$@" 2>/dev/null | head -n1 || true)
    if [ -n "$found" ]; then echo "$found"; return 0; fi
    sleep 0.1
  done
  return 1
}
visible_window() { xdotool search --all --onlyvisible --pid "$program_pid" --name "$1"; }

main_window=$(poll "$start_limit" visible_window '^Kesora$') || fail "no main window Kesora"
eval "$(xdotool getwindowgeometry --shell "$main_window")"  # X Y WIDTH HEIGHT
menu_bar_height=$(( HEIGHT - main_client_height ))
[ "$menu_bar_height" -gt 0 ] && [ "$menu_bar_height" -lt 80 ] ||
  fail "main window is ${WIDTH}x${HEIGHT}: no client area of height $main_client_height under a menu bar"

# The window manager is absent, so the pointer's root coordinates are the window's plus its offset.
click_at() { xdotool mousemove --sync "$(( X + $1 ))" "$(( Y + menu_bar_height + $2 ))" click 1; }
click_at "$prompt_x" "$prompt_y"
sleep 0.3
click_at "$chart_button_x" "$chart_button_y"

chart_window=$(poll "$chart_limit" visible_window '^命式$') ||
  fail "no chart window 命式 after clicking the prompt label and the chart button"

# --- the pixels -----------------------------------------------------------------
differing_pixels() {  # picture reference [crop] → count of pixels beyond the fuzz
  local crop=${3:+[$3]}
  compare -metric AE -fuzz "$fuzz" "$1$crop" "$2$crop" null: 2>&1 >/dev/null || true
}
# The stem and branch cells of the four pillars: name x y w h shown caption.
pillar_cells() { grep -E '^Label(11|12|17|18|23|24|29|30)'$'\t' "$1"; }

# Compares the screenshot with a reference; prints the mismatch report, empty when it matches.
mismatches() {  # screenshot reference-name
  local shot=$1 ref=$work/$2 name x y w h shown caption n report=
  while IFS=$'\t' read -r name x y w h shown caption; do
    n=$(differing_pixels "$shot" "$ref.png" "${w}x${h}+${x}+${y}")
    [[ "$n" =~ ^[0-9]+$ ]] || { report+="$name: compare failed ($n); "; continue; }
    [ "$n" -le "$cell_tolerance" ] || report+="$name ($caption): $n pixels; "
  done < <(pillar_cells "$ref.cells")
  n=$(differing_pixels "$shot" "$ref.png")
  [[ "$n" =~ ^[0-9]+$ ]] && [ "$n" -le "$window_tolerance" ] || report+="whole window: $n pixels; "
  echo "$report"
}

shot=$work/screen.png
report="not taken"
# Painting may follow the window's mapping; look again until it matches or the bound is reached.
paint_deadline=$(( SECONDS + paint_limit ))
while [ "$SECONDS" -lt "$paint_deadline" ]; do
  if import -window "$chart_window" "$shot" 2>/dev/null; then
    size=$(identify -format '%wx%h' "$shot")
    if [ "$size" = "${chart_width}x${chart_height}" ]; then
      report=$(mismatches "$shot" expected)
      [ -z "$report" ] && break
    else
      report="window is $size, not ${chart_width}x${chart_height}"
    fi
  fi
  sleep 0.1
done
[ -z "$report" ] || { cp "$shot" "$work/last-screen.png" 2>/dev/null || true
  KEEP_E2E_FILES=1; fail "chart window differs from the chart of 昭和1年12月31日 1時～3時: $report"; }
echo "chart window matches the reference: $expected_pillars"

# The same screenshot must be told apart from a chart one day earlier, in every
# stem and branch cell whose caption differs.
decoy_cells=0
while IFS=$'\t' read -r name x y w h shown caption; do
  expected_caption=$(pillar_cells "$work/expected.cells" | awk -F'\t' -v n="$name" '$1 == n { print $7 }')
  [ "$caption" != "$expected_caption" ] || continue
  decoy_cells=$(( decoy_cells + 1 ))
  n=$(differing_pixels "$shot" "$work/decoy.png" "${w}x${h}+${x}+${y}")
  [[ "$n" =~ ^[0-9]+$ ]] && [ "$n" -ge "$decoy_minimum" ] ||
    fail "$name shows $expected_caption, yet it is not told apart from $caption ($n pixels differ)"
  echo "told apart from 昭和1年12月${decoy_day}日 in $name: $expected_caption vs $caption ($n pixels)"
done < <(pillar_cells "$work/decoy.cells")
[ "$decoy_cells" -ge 3 ] || fail "the decoy chart differs in only $decoy_cells stem/branch cells"
echo "PASS"
