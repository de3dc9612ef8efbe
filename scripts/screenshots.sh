#!/usr/bin/env bash
# Pictures of Kesora's windows as a user sees them, taken from the real
# program on a virtual X server, into screenshots/:
#   main_window.png                 the main window after start-up
#   chart_window_known_hour.png     命式 of the sample date 昭和1年12月31日 1時～3時
#   chart_window_unknown_hour.png   the same date with the hour 時刻不明
#   options_window.png              menu オプション(&O)
#   version_window.png              menu バージョン情報(&V)
#
#   scripts/screenshots.sh [--build-dir DIR] [--no-build]
# Builds the program first (build/ by default) unless --no-build is given.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=$repo/build
do_build=1
inside_x=0
while [ $# -gt 0 ]; do
  case $1 in
    --build-dir) build=$(cd "$2" && pwd); shift ;;
    --no-build) do_build=0 ;;
    --inside-x-server) inside_x=1 ;;
    *) echo "usage: $0 [--build-dir DIR] [--no-build]" >&2; exit 2 ;;
  esac
  shift
done
kesora=$build/bin/kesora
out=$repo/screenshots

if [ "$inside_x" -eq 0 ]; then
  if [ "$do_build" -eq 1 ]; then
    if [ ! -f "$build/CMakeCache.txt" ]; then
      cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    cmake --build "$build" --target kesora
  fi
  [ -x "$kesora" ] || { echo "no program at $kesora" >&2; exit 1; }
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$0" --build-dir "$build" --no-build --inside-x-server
fi

# ---- on the virtual X server: no window manager, so every window appears at 0,0.
px() { echo $(( ($1 + 7) / 15 )); }  # twips → pixels
main_client_height=$(px 2820)

work=$(mktemp -d)
program_pid=
cleanup() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid" 2>/dev/null || true
    for _ in $(seq 20); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$program_pid" 2>/dev/null || true
  fi
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "screenshots: $*" >&2; exit 1; }

echo "$work" > "$work/database.dat"  # not a first run
# A private copy of the program: its person database, kept beside it, starts empty.
mkdir "$work/program"
cp "$kesora" "$work/program/kesora"
for media in M_S1.mid 音１.wav libkesora_sequencer.so libkesora_sound.so libkesora_cups.so; do
  [ ! -f "$build/bin/$media" ] || cp "$build/bin/$media" "$work/program/"
done
(cd "$work" && exec "$work/program/kesora") > "$work/program.log" 2>&1 &
program_pid=$!

# Prints the program's visible window of exactly this title, waiting at most 30 s.
window_titled() {
  local id
  for _ in $(seq 300); do
    kill -0 "$program_pid" 2>/dev/null || { cat "$work/program.log" >&2; fail "the program ended"; }
    id=$(xdotool search --all --onlyvisible --pid "$program_pid" --name "^$1\$" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window $1"
}

# Saves a window once two pictures taken in a row agree (painting has settled).
# With `changed-from FILE`, also waits until the picture differs from FILE.
shoot() {  # window file [changed-from FILE]
  local window=$1 file=$2 unlike=${4:-} previous=$work/previous.png current=$work/current.png
  rm -f "$previous"
  for _ in $(seq 100); do
    sleep 0.1
    import -window "$window" "$current" 2>/dev/null || continue
    if [ -n "$unlike" ] && [ "$(compare -metric AE "$current" "$unlike" null: 2>&1 || true)" = 0 ]; then
      continue
    fi
    if [ -f "$previous" ] && [ "$(compare -metric AE "$current" "$previous" null: 2>&1 || true)" = 0 ]; then
      mkdir -p "$out"
      cp "$current" "$out/$file"
      echo "$out/$file ($(identify -format '%wx%h' "$current"))"
      return 0
    fi
    cp "$current" "$previous"
  done
  fail "window $window did not settle for $file"
}

main_window=$(window_titled Kesora)
eval "$(xdotool getwindowgeometry --shell "$main_window")"  # X Y WIDTH HEIGHT
menu_bar_height=$(( HEIGHT - main_client_height ))
# Clicks a point of the main window's client area, given in twips.
click_client() { xdotool mousemove --sync "$(( X + $(px "$1") ))" "$(( Y + menu_bar_height + $(px "$2") ))" click 1; }

shoot "$main_window" main_window.png

# The prompt label fills the sample date; the chart button casts it.
click_client $((240 + 4215 / 2)) $((720 + 375 / 2))
sleep 0.3
click_client $((720 + 4095 / 2)) $((1920 + 375 / 2))
chart_window=$(window_titled 命式)
shoot "$chart_window" chart_window_known_hour.png
# Out of the way of the main window's boxes.
xdotool windowmove --sync "$chart_window" 500 0

# Hour box: open its list from the arrow at its right end and pick the first item, 時刻不明.
click_client $((4440 + 1335 - 120)) $((1320 + 300 / 2))
sleep 0.5
xdotool key Home Return
sleep 0.3
click_client $((720 + 4095 / 2)) $((1920 + 375 / 2))
shoot "$chart_window" chart_window_unknown_hour.png changed-from "$out/chart_window_known_hour.png"
xdotool windowmove --sync "$chart_window" 500 460

xdotool windowfocus --sync "$main_window" 2>/dev/null || true
xdotool key alt+o
options_window=$(window_titled オプション)
shoot "$options_window" options_window.png
xdotool windowmove --sync "$options_window" 0 460

xdotool windowfocus --sync "$main_window" 2>/dev/null || true
xdotool key alt+v
version_window=$(window_titled ﾊﾞｰｼﾞｮﾝ情報)
shoot "$version_window" version_window.png
