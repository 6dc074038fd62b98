#!/usr/bin/env bash
# The `tarnwick` tool as an administrator runs it, natively or under Wine:
#   tarnwick_cli_test.sh COMMAND...   (the command that starts the tool, e.g. tools/wine-run
#                                      PREFIX bin/tarnwick.exe)
# Each password goes in on standard input; each printed text is decrypted again with the
# openssl command line, independently of the library.
set -uo pipefail
tool=("$@")

failures=0
checks=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run STDIN ARGS... -> sets out, err, rc
run() {
  local input=$1
  shift
  local outfile errfile
  outfile=$(mktemp)
  errfile=$(mktemp)
  printf '%s' "$input" | "${tool[@]}" "$@" >"$outfile" 2>"$errfile"
  rc=${PIPESTATUS[1]}
  out=$(tr -d '\r' <"$outfile")
  err=$(tr -d '\r' <"$errfile")
  rm -f "$outfile" "$errfile"
  checks=$((checks + 1))
}

# decrypt TEXT KEYTEXT -> the password, decrypted with openssl under the key made from KEYTEXT
# ("{data source}_{user}", lower case): SHA-1 of its UTF-16LE bytes, 19 bytes kept, five zeros.
decrypt() {
  local key iv
  key=$(printf '%s' "$2" | iconv -f UTF-8 -t UTF-16LE | sha1sum | cut -c1-38)0000000000
  iv=$(printf '' | sha1sum | cut -c1-16)
  printf '%s\n' "$1" | openssl enc -d -a -A -des-ede3-cbc -K "$key" -iv "$iv" | iconv -f UTF-16LE -t UTF-8
}

# expect_text STDIN DATASOURCE USER EXPECTED_TEXT PASSWORD KEYTEXT
expect_text() {
  run "$1" encrypt-password --datasource "$2" --user "$3"
  [ "$rc" -eq 0 ] || fail "encrypt-password $2/$3 exited $rc: $err"
  [ "$out" = "$4" ] || fail "encrypt-password $2/$3 printed '$out', expected '$4'"
  [ -z "$err" ] || fail "encrypt-password $2/$3 wrote to standard error: $err"
  local back
  back=$(decrypt "$out" "$6")
  [ "$back" = "$5" ] || fail "openssl decrypted '$out' to '$back', expected '$5'"
}

echo "== encrypt-password prints the known texts, and openssl decrypts them back"
expect_text $'Secret1\n' archive:Main alice 'B29BgOIdf9/S41QMZOWCBw==' Secret1 archive:main_alice
# 8 characters, no line end: 24 cipher bytes, 32 characters of text.
expect_text '12345678' archive:Main Bob 'eGqZvwbxm0nCHTQTjq7Jqt7JJdIQfnUp' 12345678 archive:main_bob
# Non-ASCII names and password, CR LF line end, upper-case names.
expect_text $'Grüße€\r\n' 'BÜRO-ARCHIV' 'Jürgen' 'Mu/y+LISLJzX+t/oGg9aaw==' 'Grüße€' \
  'büro-archiv_jürgen'
# Only the first line is the password.
expect_text $'correct horse battery staple\nsecond line\n' ORV svc_batch \
  'vuoH2+Uall9/H/z98Wtb4u+TH0+8O88P5rUllLpQfG1bk4xPM6G3d4Or17vhsTn9GNf/agQdf+CpI23kAl+5Ew==' \
  'correct horse battery staple' orv_svc_batch

echo "== --name=value form"
run $'Secret1\n' encrypt-password --user=alice --datasource=archive:Main
[ "$rc" -eq 0 ] && [ "$out" = 'B29BgOIdf9/S41QMZOWCBw==' ] || fail "--name=value: rc=$rc out=$out"

echo "== help"
run '' --help
[ "$rc" -eq 0 ] && grep -q 'encrypt-password' <<<"$out" && grep -q 'check-login' <<<"$out" || fail "--help: rc=$rc out=$out"
run '' encrypt-password --help
[ "$rc" -eq 0 ] && grep -q -- '--datasource NAME' <<<"$out" || fail "command --help: rc=$rc"
run '' help encrypt-password
[ "$rc" -eq 0 ] && grep -q 'OvPassword' <<<"$out" || fail "help COMMAND: rc=$rc"

echo "== failures: exit 1 with nothing on standard output"
for input in $'\n' ''; do
  run "$input" encrypt-password --datasource archive:Main --user alice
  [ "$rc" -eq 1 ] && [ -z "$out" ] && [ -n "$err" ] || fail "password '$input': rc=$rc out=$out"
done

echo "== wrong usage: exit 2 with the usage on standard error"
for args in "" "frob" "encrypt-password --user alice" "encrypt-password --datasource" \
  "encrypt-password --datasource archive:Main --user alice --frob" \
  "encrypt-password --datasource= --user alice" \
  "encrypt-password --user alice --user bob --datasource archive:Main"; do
  # shellcheck disable=SC2086  # the words are the arguments
  run $'Secret1\n' $args
  [ "$rc" -eq 2 ] && [ -z "$out" ] && grep -q '^tarnwick: ' <<<"$err" ||
    fail "'$args': rc=$rc out=$out err=$err"
done

echo "== check-login: a password encrypted by the tool, in a settings file, logs in"
workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
# settings FILE USER PASSWORD_TEXT [EXTRA] -> an application-settings file for archive:Main
settings() {
  printf '<?xml version="1.0" encoding="utf-8"?>\n<configuration>\n  <appSettings>\n    <add key="OvDataSourceName" value="archive:Main" />\n    <add key="OvUser" value="%s" />\n    <add key="OvPassword" value="%s" />%s\n  </appSettings>\n</configuration>\n' \
    "$2" "$3" "${4:-}" >"$workdir/$1"
}
# The tool runs in the settings files' folder: a relative name serves natively and under Wine.
check_login() {
  pushd "$workdir" >/dev/null || exit 1
  run '' check-login "$@"
  popd >/dev/null || exit 1
}
run $'Secret1\n' encrypt-password --datasource archive:Main --user alice
alice_text=$out
run $'not-the-password\n' encrypt-password --datasource archive:Main --user alice
wrong_text=$out
run $'Adm1n-Key\n' encrypt-password --datasource archive:Main --user orvadmin
admin_text=$out
settings good.config alice "$alice_text"
settings wrong.config alice "$wrong_text"
settings sso.config bob ''
settings admin.config orvadmin "$admin_text" '<add key="LoginAsAdmin" value="yes" />'

check_login --config good.config
[ "$rc" -eq 0 ] && [ "$out" = "Logged in to 'archive:Main' as alice." ] && [ -z "$err" ] ||
  fail "check-login good.config: rc=$rc out=$out err=$err"
check_login --config=admin.config
[ "$rc" -eq 0 ] && [ "$out" = "Logged in to 'archive:Main' as orvadmin (administrator)." ] ||
  fail "check-login admin.config: rc=$rc out=$out err=$err"
check_login --config sso.config
[ "$rc" -eq 0 ] && [ "$out" = "Logged in to 'archive:Main' by single sign-on." ] ||
  fail "check-login sso.config: rc=$rc out=$out err=$err"

echo "== check-login: a wrong password reports the host's error, exit 1"
check_login --config wrong.config
[ "$rc" -eq 1 ] && [ -z "$out" ] &&
  grep -qx "tarnwick: login failed: Error logging in to 'archive:Main' as alice, Error: 5002" <<<"$err" &&
  grep -qx "The host says: Wrong user name or password." <<<"$err" ||
  fail "check-login wrong.config: rc=$rc out=$out err=$err"
check_login --config missing.config
[ "$rc" -eq 1 ] && grep -q "^tarnwick: no settings file 'missing.config'" <<<"$err" ||
  fail "check-login missing.config: rc=$rc err=$err"
printf '<configuration><appSettings><add key="OvUser" value="alice" /></appSettings></configuration>\n' \
  >"$workdir/nodatasource.config"
check_login --config nodatasource.config
[ "$rc" -eq 1 ] && grep -q "Datasource name not set" <<<"$err" && grep -q "OvDataSourceName" <<<"$err" ||
  fail "check-login nodatasource.config: rc=$rc err=$err"
check_login --config
[ "$rc" -eq 2 ] && grep -q '^Usage: tarnwick check-login' <<<"$err" || fail "check-login --config: rc=$rc"
check_login --help
[ "$rc" -eq 0 ] && grep -q -- '--config FILE' <<<"$out" || fail "check-login --help: rc=$rc"

echo "== links prints the menu commands' texts and web links for the sample datasource"
page='https://dms.example/Open.aspx'
launcher='http://localhost/Web/OvURLLauncher.html'
run '' links --documents 3:1,4:1 --web "$page" --action view --emulator
expected="Data source: archive:Main
Document 3:1: Site plan.pdf
  link: $launcher?ov://archive:Main/Documents/D{0f8fad5b-d9cb-469f-a165-70867728950e}/
  html: <a href=\"$launcher?ov://archive:Main/Documents/D{0f8fad5b-d9cb-469f-a165-70867728950e}/\">Site plan.pdf</a>
  web:  $page?location=archive%3aMain&link=ov%3a%2f%2farchive%3aMain%2fDocuments%2fD%7b0f8fad5b-d9cb-469f-a165-70867728950e%7d%2f&action=DM_View
  path: $page?location=archive%3aMain&link=ov%3a%2f%2farchive%3aMain%2fDocuments%2fDocuments%5cBridge+12%5cSite+plan.pdf&action=DM_View
Document 4:1: Übersicht 🌉.docx
  link: $launcher?ov://archive:Main/Documents/D{b3f1c2d4-5e6f-4a7b-8c9d-0e1f2a3b4c5d}/
  html: <a href=\"$launcher?ov://archive:Main/Documents/D{b3f1c2d4-5e6f-4a7b-8c9d-0e1f2a3b4c5d}/\">Übersicht 🌉.docx</a>
  web:  $page?location=archive%3aMain&link=ov%3a%2f%2farchive%3aMain%2fDocuments%2fD%7bb3f1c2d4-5e6f-4a7b-8c9d-0e1f2a3b4c5d%7d%2f&action=DM_View
  path: $page?location=archive%3aMain&link=ov%3a%2f%2farchive%3aMain%2fDocuments%2fDocuments%5c%c3%96dland+%26+S%c3%b6hne%5c%c3%9cbersicht+%f0%9f%8c%89.docx&action=DM_View"
[ "$rc" -eq 0 ] && [ "$out" = "$expected" ] || fail "links --documents: rc=$rc
$out
--- expected
$expected"

run '' links --folder 3 --prefix http://intranet/L.html --web W --emulator
expected="Data source: archive:Main
Folder 3: Bridge 12
  link: http://intranet/L.html?ov://archive:Main/Documents/P{16fd2706-8baf-433b-82eb-8c7fada847da}/
  html: <a href=\"http://intranet/L.html?ov://archive:Main/Documents/P{16fd2706-8baf-433b-82eb-8c7fada847da}/\">Bridge 12</a>
  web:  W?location=archive%3aMain&link=ov%3a%2f%2farchive%3aMain%2fDocuments%2fP%7b16fd2706-8baf-433b-82eb-8c7fada847da%7d%2f
  path: W?location=archive%3aMain&link=ov%3a%2f%2farchive%3aMain%2fDocuments%2fDocuments%5cBridge+12%2f%2f"
[ "$rc" -eq 0 ] && [ "$out" = "$expected" ] || fail "links --folder: rc=$rc
$out"

echo "== links: unknown items exit 1"
run '' links --documents 3:1,3:99 --emulator
[ "$rc" -eq 1 ] && grep -q '^Document 3:99: not found$' <<<"$out" && grep -q '^Document 3:1: ' <<<"$out" ||
  fail "unknown document: rc=$rc out=$out"
run '' links --folder 99 --emulator
[ "$rc" -eq 1 ] && grep -q '^Folder 99: not found$' <<<"$out" || fail "unknown folder: rc=$rc out=$out"

echo "== links: wrong usage exits 2"
for args in "links" "links --emulator" "links --documents 3:1 --folder 3" "links --documents 3" \
  "links --documents 3:x" "links --folder 3 --action View" "links --folder 3 --web W --action Frob" \
  "links --folder 99999999999"; do
  # shellcheck disable=SC2086  # the words are the arguments
  run '' $args
  [ "$rc" -eq 2 ] && [ -z "$out" ] && grep -q '^tarnwick: ' <<<"$err" ||
    fail "'$args': rc=$rc out=$out err=$err"
done

echo "$(( failures == 0 ? 1 : 0 )) passed, $(( failures > 0 ? 1 : 0 )) failed: tarnwick tool ($checks runs, $failures failed checks)"
exit $(( failures > 0 ))
