#!/usr/bin/env bash
# Static checks of the shipped 32-bit Tarnwick.dll (this machine cannot run it):
#   - a PE32 DLL for i386;
#   - exactly the four menu commands, by undecorated name, at ordinals 1 to 4 in the host's
#     order, each bound to its stdcall symbol (callee pops 12 or 4 bytes);
#   - imports from Windows' own DLLs only: no C++ runtime, no winpthread, no host library.
set -euo pipefail
objdump=$1
dll=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

headers=$("$objdump" -p "$dll")
grep -q 'file format pei-i386' <<<"$headers" || fail "not a PE32 i386 image"

grep -q 'Ordinal Base 1' <<<"$headers" || fail "ordinal base is not 1"
names=$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | grep -E '^\s+\[' |
  sed -E 's/^\s*\[\s*([0-9]+)\] (.*)$/\1 \2/')
expected=$'0 DocumentCommand\n1 DocumentCommandBareLink\n2 ProjectCommand\n3 ProjectCommandBareLink'
[ "$names" = "$expected" ] || fail "export table differs:"$'\n'"$names"

# Each export's address is that of the stdcall-decorated function of the same name.
symbols=$(i686-w64-mingw32-nm "$dll")
image_base=$((16#$(grep -E '^ImageBase' <<<"$headers" | awk '{print $2}')))
while read -r index rva; do
  name=$(sed -n "$((index + 1))p" <<<"$expected" | cut -d' ' -f2)
  case $name in DocumentCommand*) bytes=12 ;; *) bytes=4 ;; esac
  address=$(grep -E " T _${name}@${bytes}\$" <<<"$symbols" | cut -d' ' -f1)
  [ -n "$address" ] || { fail "$name is not a stdcall function of $bytes argument bytes"; continue; }
  [ $((16#$address)) -eq $((image_base + 16#$rva)) ] || fail "ordinal $((index + 1)) is not $name"
done < <(sed -n '/Export Address Table -- Ordinal Base/,/^$/p' <<<"$headers" |
  grep -E '^\s+\[' | sed -E 's/^\s*\[\s*([0-9]+)\] \+base\[\s*[0-9]+\] ([0-9a-f]+).*/\1 \2/')

allowed='^(kernel32|user32|advapi32|ole32|oleaut32|bcrypt|crypt32|shell32|shlwapi|xmllite|ws2_32|secur32|msvcrt)\.dll$'
while read -r import; do
  lower=$(tr '[:upper:]' '[:lower:]' <<<"$import")
  [[ $lower =~ $allowed ]] || fail "imports $import, which is not Windows' own"
done < <(grep 'DLL Name:' <<<"$headers" | awk '{print $3}')

if [ "$failures" -eq 0 ]; then
  echo "Tarnwick.dll: PE32, four stdcall exports at ordinals 1-4, imports:" \
    $(grep 'DLL Name:' <<<"$headers" | awk '{print $3}')
fi
exit $((failures > 0))
