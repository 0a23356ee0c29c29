#!/usr/bin/env bash
# Sets up, builds (release preset) and runs the program's main job on a sample store of this
# week: the race-day schedule, set 3 (everything a race-day user needs) and the real-time race
# data of the week's first race day, into demo/output.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target ostravel-cli jvgen ostravel

demo=$PWD/demo
jvgen=build/release/tools/jvgen/jvgen
cli=(build/release/src/cli/ostravel-cli --home "$demo/home" --store "$demo/store" --yes)

# A fresh program folder each time, so the set starts from its default from-times.
rm -rf "$demo/store" "$demo/output" "$demo/home"
"$jvgen" --out "$demo/store"
"${cli[@]}" settings set FOLDER.OutDir0 "$demo/output"
"${cli[@]}" schedule update
"${cli[@]}" schedule show | tee "$demo/schedule.txt"
"${cli[@]}" set 3

# The week's first race day follows its switch date.
switch_date=$(sed -n 's/^切替基準日: //p' "$demo/schedule.txt")
first_day=$(sed -n 's/^1: \([0-9]*\)年 \([0-9]*\)月 \([0-9]*\)日.*/20\1\2\3/p' "$demo/schedule.txt")
if [ -n "$first_day" ]; then
  "${cli[@]}" individual-realtime --dataspec 0B12 --date "$first_day"
fi

echo
echo "Sample store : $demo/store (week switched on $switch_date)"
echo "Output       : $demo/output"
ls "$demo/output"
echo
echo "Open the window on the same data: build/release/src/gui/ostravel --home $demo/home --store $demo/store"
