#!/bin/sh
# Runs the program (argument 1) beside a word file that it may not read, and checks stdout against the
# expected file (argument 2), the exit status 0 and the one stderr line. Root reads any file, so as root the
# program runs in a new user namespace, where root's files are checked like anyone else's; where no such
# namespace can be made, the test is skipped (77).
program="$1"
expected="$2"
dir="$(mktemp -d)" || exit 1
trap 'rm -rf "$dir"' EXIT
chmod 755 "$dir"
: >"$dir/Quillmere01.Start.cpp"
chmod 000 "$dir/Quillmere01.Start.cpp"
as_other=""
if [ "$(id -u)" = 0 ]; then
  unshare --user true 2>/dev/null || { echo "no user namespace: cannot take away root's access"; exit 77; }
  as_other="unshare --user"
fi
cd "$dir" || exit 1
$as_other "$program" >stdout.txt 2>stderr.txt
status=$?
failed=0
cmp -s "$expected" stdout.txt || { echo "stdout differs:"; diff "$expected" stdout.txt; failed=1; }
[ "$status" = 0 ] || { echo "exit status $status, expected 0"; failed=1; }
[ "$(cat stderr.txt)" = "Quillmere13: Quillmere01.Start.cpp: Permission denied" ] ||
  { echo "stderr:"; cat stderr.txt; failed=1; }
exit $failed
