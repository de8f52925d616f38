#!/usr/bin/env bash
# The Windows installer under Wine, as an administrator would run it unattended: a silent
# install puts the programs, the help, the examples, the Start-menu entry and the uninstall entry
# in place, lunda-cli works from the installed copy in the shortcut's working folder, and a
# silent uninstall leaves the drive as it found it. With the stand-in driver library in the
# driver folder, "lunda.exe /i" registers the program in WinIo.cnt and "lunda.exe /u" takes it
# out again, leaving another program's registration and the driver in place.
# Usage: windows_installer.sh WINE INSTALLER STANDIN_DLL   (in scripts/test-windows' prefix)
set -euo pipefail
wine=$1 installer=$2 standin=$3
: "${WINEPREFIX:?run through scripts/test-windows, which makes the Wine prefix}"

drive=$WINEPREFIX/drive_c
program=$drive/Program\ Files/lunda
vilt=$drive/Program\ Files/Common\ Files/Vilt
shortcut=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Программатор\ ЛУНДА.lnk
usb_shortcut=$drive/ProgramData/Microsoft/Windows/Start\ Menu/Programs/ЛУНДА\ \(USB-адаптер\).lnk
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\lunda'

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Everything on the drive but Windows itself and the users' temporary files.
snapshot() {
  (cd "$drive" && find . -path ./windows -prune -o -path './users/*/Temp' -prune -o -print |
    LC_ALL=C sort)
}

registration() { od -An -tx1 "$vilt/WinIo.cnt" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//'; }

install() {
  "$wine" "$installer" /S || fail "the installer ended with $?"
  for file in lunda.exe lunda-cli.exe lunda.chm LICENSE.txt uninstall.exe data/fire.cfg \
    data/fire.bin; do
    [ -f "$program/$file" ] || fail "not installed: $file"
  done
  [ -f "$shortcut" ] || fail "no Start-menu entry"
  [ -f "$usb_shortcut" ] && strings -el "$usb_shortcut" | grep -qxF -- '--port=ftdi' ||
    fail "no Start-menu entry for the USB adapter"
  # The shortcut's strings (UTF-16): the working folder stands alone among them.
  strings -el "$shortcut" | grep -qxF 'C:\Program Files\lunda' ||
    fail "the Start-menu entry does not start in the program's folder"
  "$wine" reg query "$key" /v UninstallString >/dev/null 2>&1 || fail "no uninstall entry"
  # From the shortcut's working folder, as the program itself would find its data.
  local listed
  listed=$(cd "$program" && "$wine" lunda-cli.exe list) || fail "lunda-cli list failed"
  [ "$(grep -c . <<<"$listed")" -eq "$(ls "$program"/data/*.cfg | wc -l)" ] ||
    fail "lunda-cli list from the installed copy: $listed"
}

# The uninstaller copies itself away and returns at once; the copy removes the folder.
uninstall() {
  "$wine" "$program/uninstall.exe" /S || fail "the uninstaller ended with $?"
  for _ in $(seq 300); do
    [ -e "$program" ] || break
    sleep 0.2
  done
  [ ! -e "$program" ] || fail "left behind: $(cd "$program" && find . -mindepth 1)"
  ! "$wine" reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry stayed"
}

trap 'rm -rf "$vilt"' EXIT
rm -rf "$vilt"
before=$(snapshot)

# Without the driver's files: nothing to register, and nothing left afterwards.
install
uninstall
[ "$(snapshot)" = "$before" ] || fail "uninstall left the drive changed: $(diff <(echo "$before") <(snapshot))"

# With the stand-in driver, which another program (number 5) already uses.
mkdir -p "$vilt"
cp "$standin" "$vilt/WinIo.dll"
echo driver >"$vilt/WinIo.sys"
printf '\001\000\000\000\005\000\000\000' >"$vilt/WinIo.cnt"
install
[ "$(registration)" = "02 00 00 00 05 00 00 00 01 00 00 00" ] ||
  fail "install did not register lunda: $(registration)"
uninstall
[ "$(registration)" = "01 00 00 00 05 00 00 00" ] ||
  fail "uninstall did not unregister lunda: $(registration)"
[ -f "$vilt/WinIo.dll" ] && [ -f "$vilt/WinIo.sys" ] || fail "the other program's driver went"
echo "installer: installed, used and uninstalled cleanly, registered and unregistered"
