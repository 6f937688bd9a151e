#!/usr/bin/env bash
# Times `k7x diff` against `cmp` of the same two files, and `k7x unpack` against
# taking the data area out whole and cutting it into its items with `split`, in
# alternating rounds (one warm-up round first); reports the medians and the
# median of the ratios round by round, so a drift in the machine's speed cancels
# out. Inputs: two firmware files of 65,535 items (about 100 MB) that differ in
# item 65,000 (near the end, so that cmp reads nearly all of both), and one of
# 20,000 items of 750 bytes in one folder.
#
# Usage: bench/diff_unpack.sh [ROUNDS]
#   K7X=path/to/k7x     the tool to time (default: a Release build in build-bench/)
#   SCRATCH=folder      where the inputs are made (default: a temporary folder,
#                       removed at the end; the inputs take about 220 MB)
set -euo pipefail
source "$(dirname "$0")/lib/k7x.sh"

# firmware OUT COUNT SIZE [CHANGED]: COUNT items of SIZE bytes; item CHANGED,
# when given, with other bytes. Also writes OUT.k7r naming Items\iNNNNN.bin.
firmware() {
  python3 - "$@" <<'PY'
import os, random, struct, sys
out, count, size = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
changed = int(sys.argv[4]) if len(sys.argv) > 4 else -1
random.seed(count)
block = bytes(random.getrandbits(8) for _ in range(size + 4096))
items = []
for k in range(count):
    start = (k * 37) % 4096
    item = block[start:start + size]
    if k == changed:
        item = bytes(b ^ 0x5A for b in item)
    items.append(item)
data = b"".join(items)
area = struct.pack(">I", 26 + 8 * count + len(data)) + b"\x01\x00"
area += bytes([7]) + b"XXXXXXX" + bytes(8) + struct.pack(">H", count)
area += b"".join(struct.pack(">IHH", k * size, size, 0) for k in range(count))
area += data
area += struct.pack(">H", 0xFFFF - (sum(area) & 0xFFFF))
with open(out, "wb") as f:
    f.write(bytes([0x11]) * 65536 + area)
with open(out + ".k7r", "w", newline="") as f:
    f.writelines("Item %d\tItems\\i%05d.bin\tBenchmark item\tT\r\n" % (k, k) for k in range(count))
PY
}

measure() {
  local t0 t1
  t0=$EPOCHREALTIME
  /usr/bin/time -f '%U %S %M' -o "$scratch/time" "$@" >/dev/null || true
  t1=$EPOCHREALTIME
  read -r user sys kb <"$scratch/time"
  awk -v a="$t0" -v b="$t1" -v u="$user" -v s="$sys" -v m="$kb" \
    'BEGIN { printf "%.4f %.2f %d\n", b - a, u + s, m }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
m() { printf '%s\n' "$@" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.3f", a / b; else print "inf" }'; }

# pair NAME A-COMMAND B-COMMAND: both as sh -c strings, alternating.
pair() {
  local name=$1 a=$2 b=$3 at bt aw=() bw=() rs=()
  for ((r = 0; r <= rounds; r++)); do
    read -r at _ _ < <(measure sh -c "$a")
    read -r bt _ _ < <(measure sh -c "$b")
    ((r == 0)) && continue
    aw+=("$at") bw+=("$bt") rs+=("$(ratio "$at" "$bt")")
  done
  printf '%s\n  A: median %ss (%s)\n  B: median %ss (%s)\n  A/B round by round: median %s (%s)\n' \
    "$name" "$(m "${aw[@]}")" "${aw[*]}" "$(m "${bw[@]}")" "${bw[*]}" "$(m "${rs[@]}")" "${rs[*]}"
}

firmware "$scratch/a.k7x" 65535 1525
firmware "$scratch/b.k7x" 65535 1525 65000
export K7X scratch
pair "k7x diff (A) against cmp (B), 65,535 items, $(($(stat -c %s "$scratch/a.k7x") / 1000000)) MB" \
  '"$K7X" diff "$scratch/a.k7x" "$scratch/b.k7x"' \
  'cmp "$scratch/a.k7x" "$scratch/b.k7x"'
rm -f "$scratch"/a.k7x* "$scratch"/b.k7x*

firmware "$scratch/u.k7x" 20000 750
# split names its pieces item00000 ... in one folder, as unpack puts Items\iNNNNN.bin.
pair "k7x unpack (A) against the data area cut by split (B), 20,000 items" \
  'rm -rf "$scratch/A" && "$K7X" unpack "$scratch/u.k7x" "$scratch/u.k7x.k7r" "$scratch/A"' \
  'rm -rf "$scratch/B" && mkdir -p "$scratch/B/Items" &&
   tail -c +$((65536 + 24 + 8 * 20000 + 1)) "$scratch/u.k7x" | head -c $((20000 * 750)) >"$scratch/B/data" &&
   cd "$scratch/B/Items" && split -b 750 -a 5 -d ../data i && cp "$scratch/u.k7x.k7r" .. &&
   head -c 65536 "$scratch/u.k7x" >../original.bin'
"$K7X" build "$scratch/A/u.k7x.k7r" "$scratch/A/original.bin" "$scratch/again.k7x"
cmp "$scratch/u.k7x" "$scratch/again.k7x" && echo "unpack then build: the same bytes"
