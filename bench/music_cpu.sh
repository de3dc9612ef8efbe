#!/usr/bin/env bash
# CPU use of the running program over 30 seconds with the tune looping and no
# user input, against the same tune played by FluidSynth alone, both sounding
# into a PulseAudio null sink (a machine without a sound card still plays).
#   bench/music_cpu.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
root=$PWD

if ! command -v pulseaudio >/dev/null; then
  as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends pulseaudio >/dev/null
fi
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kesora bench_tune_alone >/dev/null

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

cat > "$work/default.pa" <<PA
load-module module-null-sink sink_name=kesora_null
set-default-sink kesora_null
load-module module-native-protocol-unix auth-anonymous=1 socket=$work/native
PA
XDG_RUNTIME_DIR=$work HOME=$work pulseaudio -n -F "$work/default.pa" --exit-idle-time=-1 \
  --daemonize=no --log-level=0 >/dev/null 2>&1 &
pids+=($!)
export PULSE_SERVER=unix:$work/native
for _ in $(seq 50); do [ -S "$work/native" ] && break; sleep 0.1; done

Xvfb :77 -screen 0 1024x768x24 >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=:77
sleep 1

ticks_per_second=$(getconf CLK_TCK)
# utime + stime of a process, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Percent of one core a process uses over the measuring window.
measure() {
  local pid=$1 before after
  sleep 3  # start-up is not part of the steady state
  before=$(cpu_ticks "$pid")
  sleep "$seconds"
  after=$(cpu_ticks "$pid")
  awk -v d=$((after - before)) -v s="$seconds" -v t="$ticks_per_second" 'BEGIN { printf "%.2f", 100 * d / (s * t) }'
}

mkdir -p "$work/run"
printf '%s\r\n' "$work/run" > "$work/run/database.dat"
(cd "$work/run" && exec "$root/build/bin/kesora" >/dev/null 2>&1) &
kesora=$!
pids+=($kesora)
program=$(measure $kesora)

build/bench/bench_tune_alone build/bin/M_S1.mid >/dev/null 2>&1 &
alone=$!
pids+=($alone)
synth=$(measure $alone)

echo "whole program, tune looping, no input: ${program} % of one core over ${seconds} s"
echo "FluidSynth alone, same tune and settings: ${synth} % of one core"
awk -v p="$program" -v s="$synth" 'BEGIN { printf "added by the program itself: %.2f %% (goal: whole program < 3 %%, own share < 0.5 %%)\n", p - s }'
