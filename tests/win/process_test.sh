#!/usr/bin/env bash
# Under Wine, for real: the binding's start-up over the prefix's registry and environment,
# log files in the prefix's folders, and the settings files beside the real module files.
#   process_test.sh WINE_RUN PREFIX BIN_DIR
# Writes HKLM\SOFTWARE\Kestrum in the prefix (and removes it again) and uses the clipboard:
# CTest runs it under the wine_registry and wine_clipboard locks.
set -euo pipefail
wine_run=$1
prefix=$2
bin=$3

source "$(dirname "$0")/expect.sh"
run() {  # run PROGRAM ARGS...: the program's output; its FAIL lines count
  local out status=0
  out=$("$wine_run" "$prefix" "$@" 2>&1 | tr -d '\r') || status=$?
  echo "$out" >&2
  echo "$out"
}
windows_path() { echo "Z:${1//\//\\}"; }
registry() { "$wine_run" "$prefix" reg "$@" >/dev/null 2>&1; }

work=$(mktemp -d /tmp/tarnwick-process.XXXXXX)
# Wine keeps clipboard data only while some process of the prefix runs, and a first Wine
# process started inside $(...) would make it wait for the prefix's server to end.
"$wine_run" "$prefix" "$bin/desktop_host.exe" --idle 300 >/dev/null 2>&1 &
idle=$!
cleanup() {
  kill $idle 2>/dev/null || true
  registry delete 'HKLM\SOFTWARE\Kestrum' /f || true
  rm -rf "$work"
}
trap cleanup EXIT
registry delete 'HKLM\SOFTWARE\Kestrum' /f || true

# An installation: the emulator's host DLLs in <installation>\bin, nowhere else on the path.
install=$work/Orvane
mkdir -p "$install/bin" "$work/lonely"
cp "$bin"/kel*.dll "$bin"/OvManagedWorkspace.dll "$install/bin/"
cp "$bin/process_wine_test.exe" "$work/lonely/"
install_win=$(windows_path "$install")
registry_file=$work/orvane.reg
cat >"$registry_file" <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrum\\Orvane Explorer\\a]
"Version"="08.11.09"
"PathName"="C:\\\\Nowhere\\\\Old"

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrum\\Orvane Explorer\\b]
"Version"="10.00.02"
"PathName"="${install_win//\\/\\\\}"

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kestrum\\Orvane Explorer\\c]
"Version"="08.10"
"PathName"="C:\\\\Nowhere\\\\TooOld"
REG

echo "== no installation registered: the start-up fails for good"
out=$(run "$work/lonely/process_wine_test.exe" no-installation)
expect "$out" "FAIL" absent
expect "$out" "ok: a later use fails with the start-up's error"

echo "== installation registered: Path gains its bin folder and the command works"
"$wine_run" "$prefix" reg import "$(windows_path "$registry_file")" >/dev/null 2>&1
out=$(run "$work/lonely/process_wine_test.exe" registry-fix "$install_win\\bin")
expect "$out" "FAIL" absent
expect "$out" "ok: the second qxApi_Initialize(512)"

echo "== 16 threads make their first call at once"
out=$(run "$bin/process_wine_test.exe" threads)
expect "$out" "FAIL" absent
expect "$out" "ok: one start-up"

echo "== log files under the prefix's roaming application data, then in \"LogFolder\""
today=$(date +%Y%m%d)
logs=$(echo "$prefix"/drive_c/users/*/AppData/Roaming)/Kestrum/Logs
rm -rf "$logs"
out=$(run "$work/lonely/process_wine_test.exe" logs)
expect "$out" "FAIL" absent
log=$logs/process_wine_test_$today.log
if [ -f "$log" ]; then
  content=$(cat "$log")
  expect "$content" $'\tplain line \xc3\xa4\xe2\x82\xac\r'
  expect "$content" $'\t[Info   ] info 0042\r'
  grep -qE $'^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}Z\t' "$log" ||
    { echo "FAIL: no time stamp in $log"; failures=$((failures + 1)); }
  [ "$(head -c 3 "$log" | od -An -tx1 | tr -d ' ')" != efbbbf ] ||
    { echo "FAIL: $log starts with a byte-order mark"; failures=$((failures + 1)); }
  expect "$(cat "$logs/process_wine_test_$today.error.log")" $'\terror text\r'
else
  echo "FAIL: no log file $log"; failures=$((failures + 1))
fi
mkdir -p "$work/configured"
cat >"$work/lonely/process_wine_test.exe.config" <<XML
<?xml version="1.0" encoding="utf-8"?>
<configuration>
  <appSettings>
    <add key="LogFolder" value="$(windows_path "$work/configured/logs")" />
  </appSettings>
</configuration>
XML
out=$(run "$work/lonely/process_wine_test.exe" logs)
expect "$out" "LogFolder setting is 'Z:"
expect "$(cat "$work/configured/logs/process_wine_test_$today.log" 2>&1)" $'\tplain line'

echo "== Tarnwick.dll.config beside the real Tarnwick.dll sets the launcher address"
mkdir -p "$work/site"
cp "$bin"/Tarnwick.dll "$bin"/desktop_host.exe "$bin"/kel*.dll "$bin"/OvManagedWorkspace.dll "$work/site/"
cat >"$work/site/Tarnwick.dll.config" <<'XML'
<?xml version="1.0" encoding="utf-8"?>
<configuration>
  <appSettings>
    <add key="URNPrefix" value="https://intranet.example/Web/OvURLLauncher.html" />
  </appSettings>
</configuration>
XML
out=$(run "$work/site/desktop_host.exe" ProjectCommand 3)
expect "$out" 'fragment=<a href="https://intranet.example/Web/OvURLLauncher.html?ov://archive:Main/Documents/P{16fd2706-8baf-433b-82eb-8c7fada847da}/">Bridge 12</a>'

echo "== the program's .config \"Path\" replaces Path when the start-up fixes it"
mkdir -p "$work/host"
cp "$bin"/Tarnwick.dll "$bin"/desktop_host.exe "$work/host/"
# The registry's installation is the bogus one now; the setting points at the real bin folder.
registry delete 'HKLM\SOFTWARE\Kestrum\Orvane Explorer\b' /f
registry add 'HKLM\SOFTWARE\Kestrum\Orvane Explorer\a' /v Version /d 09.00 /f
cat >"$work/host/desktop_host.exe.config" <<XML
<?xml version="1.0" encoding="utf-8"?>
<configuration>
  <appSettings>
    <add key="Path" value="$install_win\\bin" />
  </appSettings>
</configuration>
XML
out=$(run "$work/host/desktop_host.exe" ProjectCommand 3)
expect "$out" "ProjectCommand returned 1"
expect "$out" 'fragment=<a href="http://localhost/Web/OvURLLauncher.html?ov://archive:Main/Documents/P{16fd2706-8baf-433b-82eb-8c7fada847da}/">Bridge 12</a>'

echo "$(( failures == 0 ? 1 : 0 )) passed, $(( failures > 0 ? 1 : 0 )) failed: process tests ($failures failed checks)"
exit $(( failures > 0 ))
