#!/usr/bin/env bash
# The real lunda-cli on the real clock: write to the simulated controller with a recording, then
# decode the recording and compare it with the image command's output. Takes about 28 s.
set -euo pipefail
cli="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/data"
printf 'number=3\nname=end to end\nfile=img.bin\n' >"$work/data/a.cfg"
head -c 5120 /dev/urandom >"$work/data/img.bin"
"$cli" --data "$work/data" write 0 --date 2026-12-06 --port sim --vcd "$work/out.vcd"
"$cli" decode "$work/out.vcd" --output "$work/decoded.bin" >/dev/null
"$cli" --data "$work/data" image 0 --date 2026-12-06 --output "$work/image.bin"
cmp "$work/decoded.bin" "$work/image.bin"
