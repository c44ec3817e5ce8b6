#!/bin/sh
# The screenshots the AppStream metainfo names, made by the game itself, headless and deterministic, so
# that the same build gives the same pictures: title.png, level.png and map.png in OUT_DIR, to be put on
# the project's page under screenshots/.
# Usage: packaging/screenshots.sh PROGRAM OUT_DIR
set -eu
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=$2
mkdir -p "$out"
out=$(cd "$out" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
cd "$work"
run() {
    XDG_DATA_HOME="$work/home" "$program" --headless --deterministic --seed 3 "$@" > /dev/null
}

# A first start: the autoplayer names its player and chooses the timed mode; the title then greets her.
printf '30000 quit\n' > first.txt
run --autoplay --script first.txt
printf '9000 click 512 384\n12000 screenshot %s/title.png\n12100 quit\n' "$out" > title.txt
run --script title.txt
# Level 2 in the middle of a cascade.
printf '24000 screenshot %s/level.png\n24100 quit\n' "$out" > level.txt
run --level 2 --autoplay --script level.txt
printf '3000 screenshot %s/map.png\n3100 quit\n' "$out" > map.txt
run --showcase map --script map.txt
echo "screenshots in $out"
