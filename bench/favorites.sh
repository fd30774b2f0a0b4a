#!/usr/bin/env bash
# The favourites list and address benchmarks, next to standard tools doing the
# nearest thing on the same data in the same run: reading a 10,000-line list
# (cat, awk printing each base name) and cutting a word out of the middle of a
# 20 MB line (dd of the same 16 KB stretch).
# Usage: bench/favorites.sh [build directory]   (default: build)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
bench_setup favorites "$@"

"$BIN"

for i in $(seq 0 9999); do printf '/home/user/projects/p%d/notes-%d.txt\r\n' $((i % 97)) "$i"; done > "$DIR/Favorite.fvr"
head -c 20971520 /dev/zero | tr '\0' 'w' > "$DIR/line.txt"
quiet() { "$@" > /dev/null; }
echo
echo "Standard tools on the same data (best of 3, seconds):"
printf 'cat of the 10,000-entry list:           %ss\n' "$(best quiet cat "$DIR/Favorite.fvr")"
printf 'awk base names of the list:             %ss\n' \
    "$(best quiet awk -F/ '{print $NF}' "$DIR/Favorite.fvr")"
printf 'dd of 16 KB from the middle of 20 MB:   %ss\n' \
    "$(best dd if="$DIR/line.txt" of=/dev/null bs=16384 skip=640 count=1 status=none)"
