#!/usr/bin/env bash
# End to end under Wine: the desktop-host program loads the win64 Tarnwick.dll beside the
# emulator's host DLLs, calls each export, and a second process reads the real clipboard after
# the first has ended.
#   desktop_host_test.sh WINE_RUN PREFIX BIN_DIR
set -euo pipefail
wine_run=$1
prefix=$2
bin=$3
host() { "$wine_run" "$prefix" "$bin/desktop_host.exe" "$@" 2>&1 | tr -d '\r'; }

source "$(dirname "$0")/expect.sh"

# Wine keeps clipboard data only while some process of the prefix runs. This one also starts
# the prefix's wineserver outside any $(...), which would otherwise wait for the server to end.
"$wine_run" "$prefix" "$bin/desktop_host.exe" --idle 300 >/dev/null 2>&1 &
idle=$!
trap 'kill $idle 2>/dev/null || true' EXIT
"$wine_run" "$prefix" "$bin/desktop_host.exe" --read >/dev/null 2>&1

L='http://localhost/Web/OvURLLauncher.html'
D1="$L?ov://archive:Main/Documents/D{0f8fad5b-d9cb-469f-a165-70867728950e}/"
D2="$L?ov://archive:Main/Documents/D{7c9e6679-74a5-40de-944b-e07fc1f90ae7}/"
F="$L?ov://archive:Main/Documents/P{16fd2706-8baf-433b-82eb-8c7fada847da}/"
A1="<a href=\"$D1\">Site plan.pdf</a>"
A2="<a href=\"$D2\">Notes & minutes</a>"

echo "== DocumentCommand 3:1 3:2"
expect "$(host DocumentCommand 3:1 3:2)" "DocumentCommand returned 1"
read=$(host --read)
echo "$read"
expect "$read" "format HTML Format"
expect "$read" "StartHTML=149"
expect "$read" "fragment=$A1<br>$A2"
expect "$read" "format CF_UNICODETEXT bytes=$(( (${#A1} + ${#A2} + 4 + 1) * 2 )) text=$A1\\r\\n$A2\\r\\n"
expect "$read" "format CF_TEXT"

echo "== DocumentCommandBareLink 3:1 3:2"
expect "$(host DocumentCommandBareLink 3:1 3:2)" "DocumentCommandBareLink returned 1"
read=$(host --read)
echo "$read"
expect "$read" "format CF_TEXT bytes=$(( ${#D1} + ${#D2} + 2 )) text=$D1\\n$D2\\0"
expect "$read" "HTML Format" absent

echo "== ProjectCommand 3"
expect "$(host ProjectCommand 3)" "ProjectCommand returned 1"
read=$(host --read)
echo "$read"
expect "$read" "fragment=<a href=\"$F\">Bridge 12</a>"
expect "$read" "text=$F\\0"

echo "== ProjectCommandBareLink 3"
expect "$(host ProjectCommandBareLink 3)" "ProjectCommandBareLink returned 1"
read=$(host --read)
expect "$read" "fragment=$F"

echo "== DocumentCommandBareLink with nothing resolved empties the clipboard"
expect "$(host DocumentCommandBareLink 99:1)" "returned 1"
read=$(host --read)
expect "$read" "format " absent

echo "== a clipboard held by another process: retries, then the command still returns 1"
expect "$(host ProjectCommand 3)" "returned 1"
holder_out=$(mktemp)
"$wine_run" "$prefix" "$bin/desktop_host.exe" --hold-clipboard 6 >"$holder_out" 2>&1 &
holder=$!
for _ in $(seq 100); do grep -q holding "$holder_out" && break; sleep 0.1; done
grep -q holding "$holder_out" || echo "note: the holder never reported holding the clipboard"
start=$(date +%s%N)
expect "$(host DocumentCommand 3:1)" "DocumentCommand returned 1"
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
echo "command took ${elapsed_ms} ms while the clipboard was held"
[ "$elapsed_ms" -ge 900 ] || { echo "FAIL: no retries while the clipboard was held"; failures=$((failures + 1)); }
wait $holder || true
rm -f "$holder_out"
read=$(host --read)
expect "$read" "fragment=<a href=\"$F\">Bridge 12</a>"  # unchanged

echo "== host libraries missing: the export still returns 1"
lonely=$(mktemp -d /tmp/tarnwick-lonely.XXXXXX)
cp "$bin/Tarnwick.dll" "$bin/desktop_host.exe" "$lonely/"
expect "$("$wine_run" "$prefix" "$lonely/desktop_host.exe" ProjectCommand 3 2>&1 | tr -d '\r')" \
  "ProjectCommand returned 1"
rm -rf "$lonely"

echo "$(( failures == 0 ? 1 : 0 )) passed, $(( failures > 0 ? 1 : 0 )) failed: desktop host ($failures failed checks)"
exit $(( failures > 0 ))
