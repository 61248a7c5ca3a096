#!/bin/sh
# Quillmere08 with a word file it may not read: stdout and the exit status as for a missing file, and one
# stderr line naming the file and the reason. Root reads every file, so as root the program runs as the
# unprivileged user 65534 (through setpriv); without setpriv the test is skipped (status 77).
# Usage: unreadable.sh <program> <expected stdout>
program=$1
expected=$2
run=""
if [ "$(id -u)" = 0 ]; then
  command -v setpriv >/dev/null || { echo "setpriv is missing: cannot drop root's right to read any file"; exit 77; }
  run="setpriv --reuid=65534 --regid=65534 --clear-groups"
fi
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
# The program is copied in, so that the other user reaches it whatever the build tree's permissions.
cp "$program" "$dir/program" && echo "word" >"$dir/Quillmere01.Start.cpp" && chmod 000 "$dir/Quillmere01.Start.cpp" &&
  chmod 755 "$dir" || exit 1
(cd "$dir" && $run ./program >stdout.txt 2>stderr.txt)
status=$?
failed=0
cmp -s "$expected" "$dir/stdout.txt" || { echo "stdout differs:"; diff "$expected" "$dir/stdout.txt"; failed=1; }
[ "$status" = 0 ] || { echo "exit status $status, expected 0"; failed=1; }
printf 'Quillmere08: Quillmere01.Start.cpp: Permission denied\n' | cmp -s - "$dir/stderr.txt" ||
  { echo "stderr:"; cat "$dir/stderr.txt"; failed=1; }
exit $failed
