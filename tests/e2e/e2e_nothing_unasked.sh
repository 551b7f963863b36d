#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The pelvaro developers <pelvaro@pelvaro.org>
# SPDX-License-Identifier: GPL-2.0-or-later
# End to end: turning every spin box through its whole range, thousands of times, writes
# nothing; each click on a write button writes its register file exactly once, with exactly its
# line. inotify watches the device's folder from outside; strace records every file the program
# opens for writing.
#
#   e2e_nothing_unasked.sh PELVARO XCLOSE SIMULATED-DEVICE [EMULATOR [ARG...]]
#
# EMULATOR, where given, runs both programs (qemu-arm for a cross-built suite).
set -uo pipefail
source "$(dirname "$0")/common.sh"
require_tools xdotool inotifywait strace

count() { cat "${@:2}" | grep -c -E "$1"; } # PATTERN FILE...

work=$(mktemp -d)
device=$work/device
mkdir "$device"
printf '02000210\n' >"$device/CCCR"
printf '0A\n' >"$device/VCORE"
events=$work/events trace=$work/trace watcher=
trap 'kill $watcher 2>/dev/null; rm -rf "$work"' EXIT

require_simulated_device "$device"
watch_folder "$device" "$events" || { summary; exit 1; }

# strace writes each thread's calls into a file of its own, trace.TID, so that no call of one
# thread is split by another's.
start_panel "$simulated_device" "$device" -- \
    strace -ff -qq -e trace=open,openat,creat,truncate,rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat,write,sync \
    -e signal=none -s 64 -o "$trace" "${pelvaro[@]}" || { summary; exit 1; }

# Spin boxes as "name x y maximum": each is clicked, then turned from 0 to its maximum and back
# twenty times with the arrow keys.
changes=0
while read -r name x y maximum; do
    xdotool mousemove --window "$window" "$x" "$y" click 1
    for _ in $(seq 20); do
        xdotool key --delay 0 --repeat "$maximum" Up
        xdotool key --delay 0 --repeat "$maximum" Down
        changes=$((changes + 2 * maximum))
    done
done <<'SPINS'
changeL 85 345 30
change2N 215 345 6
changeA 335 345 1
changeLCD 465 345 1
changeVCORE 535 105 15
SPINS
# Every box now stands at 0. One more step for L and VCORE, so that the written lines show
# that the keys arrived.
xdotool mousemove --window "$window" 85 345 click 1 key Up
xdotool mousemove --window "$window" 535 105 click 1 key Up
echo "turned the spin boxes through $changes changes"

# A click's write comes after everything the program did before it. So once the watcher has
# reported all until a click's write, the log shows what the turning did.
click_and_wait() { # X Y FILE: clicks and waits for the file's close after writing
    local before
    before=$(count "CLOSE_WRITE.* $3\$" "$events")
    xdotool mousemove --window "$window" "$1" "$2" click 1
    wait_for "$3 to be written" closed_more_than "$3" "$before"
    fence "$device" "$events"
}
closed_more_than() { [ "$(count "CLOSE_WRITE.* $1\$" "$events")" -gt "$2" ]; } # FILE COUNT
click_and_wait 565 325 CCCR
check "no change to the device's files before a click: Write CCCR's is the first" \
    "MODIFY CCCR CLOSE_WRITE,CLOSE CCCR" "$(device_events "$events" | uniq | head -n 2 | xargs)"
check "one click on Write CCCR closes CCCR after writing once" 1 \
    "$(count 'CLOSE_WRITE.* CCCR$' "$events")"
check "CCCR holds the line" "00000001" "$(cat "$device/CCCR")"
check "VCORE untouched by Write CCCR" 0 "$(count ' VCORE$' "$events")"

click_and_wait 535 195 VCORE
click_and_wait 535 195 VCORE
check "two clicks on Write VCORE close VCORE after writing twice" 2 \
    "$(count 'CLOSE_WRITE.* VCORE$' "$events")"
check "VCORE holds the line" "01" "$(cat "$device/VCORE")"
check "CCCR still closed after writing once" 1 "$(count 'CLOSE_WRITE.* CCCR$' "$events")"
check "nothing created, removed or moved in the device" 0 \
    "$(device_events "$events" | grep -c -E '^(CREATE|DELETE|MOVED)')"

close_and_wait "$window" $program

# strace has ended with the program, and its files are complete. The thread that wrote the
# register files shows their order.
writer=$(grep -l -E 'zaurus/(CCCR|VCORE)", O_WRONLY' "$trace".* | head -n 1)
check "no register file opened for writing before a click" 0 \
    "$(sed '/sync()/q' "${writer:-/dev/null}" | grep -c -E 'zaurus/(CCCR|VCORE)", O_(WRONLY|RDWR)')"
check "CCCR's 9 bytes written in one write" 1 "$(count 'write\(.*"00000001\\n", 9\) += 9' "$trace".*)"
check "each VCORE click's 3 bytes in one write" 2 "$(count 'write\(.*"01\\n", 3\) += 3' "$trace".*)"
check "register files opened for writing once per click" 3 \
    "$(count 'zaurus/(CCCR|VCORE)", O_(WRONLY|RDWR)' "$trace".*)"
check "the file systems flushed right before each write" "sync CCCR sync VCORE sync VCORE" \
    "$(grep -o -E 'sync\(\)|zaurus/(CCCR|VCORE)", O_WRONLY' "${writer:-/dev/null}" |
        sed -E 's/sync\(\)/sync/; s/.*(CCCR|VCORE).*/\1/' | xargs)"

# Everything else the process opened for writing, created, renamed or removed, failed
# attempts left out. A path that the emulator found under its root is judged by the path the
# program asked for.
others=$(cat "$trace".* | grep -E 'O_(WRONLY|RDWR|CREAT)|creat\(|rename|unlink|truncate\(|mkdir' |
    grep -v -E '= -1 |zaurus/(CCCR|VCORE)' | grep -o -E '"[^"]*"' |
    awk -v root="\"$emulator_root/" 'index($0, root) == 1 { $0 = "\"/" substr($0, length(root) + 1) } 1' |
    sort -u)
echo "other paths written by the toolkit during the session:"
echo "${others:-  (none)}" | sed 's/^/  /'
unexplained=$(grep -v -E "^\"(/tmp/runtime-[^/\"]+|${XDG_CACHE_HOME:-$HOME/.cache}(/fontconfig[^\"]*)?|[^\"]*/\.cache/fontconfig[^\"]*|/var/cache/fontconfig[^\"]*|/dev/null)\"\$" <<<"$others" | grep -c .)
check "the toolkit writes nothing but the paths docs/reliability.md explains" 0 "$unexplained"

summary
