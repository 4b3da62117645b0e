#!/usr/bin/env bash
# Runs the program offscreen for a few seconds under strace, with a fresh
# read-only home, and fails if it opens a network socket or opens, creates,
# renames or deletes a file for writing anywhere (attempts that the
# read-only home refuses count too).
#   tools/no_side_effects.sh path/to/quelm
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
chmod 555 "$work/home"
log="$work/strace.log"

status=0
env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LANG=ja_JP.UTF-8 \
  QT_QPA_PLATFORM=offscreen \
  timeout -s TERM 5 strace -f -qq -o "$log" \
  -e trace=socket,open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,rmdir,truncate,link,linkat,symlink,symlinkat \
  "$program" >/dev/null 2>&1 || status=$?
# 124: still running when the time was up, as a window program should be.
if [ "$status" -ne 124 ]; then
  echo "the program ended early with status $status" >&2
  exit 1
fi

failed=0
if grep -E 'socket\((AF_INET|AF_INET6|AF_PACKET),' "$log"; then
  echo "^ network sockets opened" >&2
  failed=1
fi
# Opens for writing, and every call that changes the file system, outside
# the devices (/dev/null, terminals) and the private runtime folder.
if grep -E '(open|openat|openat2)\(.*(O_WRONLY|O_RDWR|O_CREAT|O_TRUNC)|(creat|mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|rmdir|truncate|link|linkat|symlink|symlinkat)\(' "$log" |
  grep -vE '"/dev/' | grep -vF "\"$work/runtime"; then
  echo "^ files written or changed" >&2
  failed=1
fi
[ "$failed" -eq 0 ] && echo "no socket of the network, no file written ($(wc -l <"$log") calls traced)"
exit "$failed"
