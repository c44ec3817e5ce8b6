#!/bin/sh
# The game's process as a player without a graphics processor meets it: in a window under Xvfb (Mesa
# has only software OpenGL there), on the title screen. Prints the resident memory (now and at its peak),
# the threads by name, whether any OpenGL library is mapped, and the time from exec to the first frame
# shown (from the line MURKWELL_DEBUG_LOG makes the program write). Goals: at most 100 MB resident, at
# most 3 threads of our own plus SDL's, the first frame within 150 ms.
# Usage: bench_process_footprint [PROGRAM]   (the build's program by default)
set -eu
program=${1:-$<TARGET_FILE:murkwell>}
command -v xvfb-run >/dev/null || { echo "bench_process_footprint: needs xvfb-run (package xvfb)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# The loading screen waits for a click; the title screen follows it.
printf '6000 click 512 384\n' > "$work/script.txt"
export work program
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    cd "$work"
    ( date +%s.%N > started; MURKWELL_DEBUG_LOG=1 XDG_DATA_HOME="$work/home" \
        exec "$program" --windowed --script script.txt --report report.jsonl 2> log.txt ) &
    pid=$!
    waited=0
    until grep -q "\"name\":\"title\"" report.jsonl 2>/dev/null; do
        sleep 0.2; waited=$((waited + 1))
        [ $waited -lt 150 ] || { echo "the title screen never came" >&2; kill $pid; exit 1; }
    done
    sleep 2
    grep -E "^(VmRSS|VmHWM|Threads)" /proc/$pid/status
    printf "Thread names: "; cat /proc/$pid/task/*/comm | tr "\n" " "; echo
    printf "OpenGL libraries mapped: "
    grep -cE "/(libGL|libEGL|libgallium|libLLVM)[^/]*$|_dri\.so" /proc/$pid/maps || true
    kill $pid; wait $pid 2>/dev/null || true
    shown=$(sed -n "s/^First frame shown at //p" log.txt | head -n 1)
    awk -v a="$(cat started)" -v b="$shown" "BEGIN { printf \"Exec to first frame: %.0f ms\n\", (b - a) * 1000 }"
'
