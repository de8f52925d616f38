#!/usr/bin/env bash
# The shipped programs start on Windows XP SP3: every function they import, DLL by DLL, is on the
# list of functions that XP SP3 provides. And the stand-in port driver library exports exactly
# the real one's three stdcall entry points, under their bare names.
# Usage: xp_imports.sh OBJDUMP LIST PROGRAM... --exports STANDIN_DLL
set -euo pipefail
objdump=$1 list=$2
shift 2

allowed=$(sed 's/#.*//' "$list" | awk 'NF == 2 {print toupper($1), $2}' | sort -u)
failed=0
while [ "$1" != --exports ]; do
  # objdump -p lists each DLL's imports under "DLL Name:" as "address hint name" rows.
  imported=$("$objdump" -p "$1" | awk '/DLL Name:/ {dll = toupper($3); next}
                                      /^[[:space:]]*$/ {dll = ""}
                                      dll && NF == 3 && $1 ~ /^[0-9a-f]+$/ {print dll, $3}' |
    sort -u)
  [ -n "$imported" ] || { echo "FAIL: no imports read from $1" >&2; exit 1; }
  missing=$(comm -23 <(echo "$imported") <(echo "$allowed"))
  if [ -z "$missing" ]; then
    echo "$(basename "$1"): $(wc -l <<<"$imported") imports, all on the XP SP3 list"
  fi
  while read -r dll function; do
    [ -n "$dll" ] || continue
    echo "FAIL: $(basename "$1") imports $function from $dll, which Windows XP SP3 may not have" >&2
    failed=1
  done <<<"$missing"
  shift
done

exports=$("$objdump" -p "$2" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  awk '/^[[:space:]]+\[/ {print $NF}' | sort | tr '\n' ' ')
[ "$exports" = "InitializeWinIo InstallWinIoDriver RemoveWinIoDriver " ] || {
  echo "FAIL: the stand-in driver library exports: $exports" >&2
  failed=1
}
exit $failed
