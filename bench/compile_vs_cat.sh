#!/usr/bin/env bash
# Times `k7x build` against `cat` of the same item files into one file, in
# alternating rounds (one warm-up round first), and reports the median of the
# ratios round by round, so a drift in the machine's speed cancels out. Projects:
# 20,000 items (about 15 MB) with exact names, the same with about one path in
# seven in other letter case (as a project made on Windows says it), 65,535 small
# items in eight folders, and 65,535 items in one folder all in other letter case.
# Then k7x's peak memory on a 1 GB project.
#
# Usage: bench/compile_vs_cat.sh [ROUNDS]
#   K7X=path/to/k7x     the tool to time (default: a Release build in build-bench/)
#   SKIP_BIG=1          leave out the 1 GB project
#   SCRATCH=folder      where the projects are made (default: a temporary folder)
set -euo pipefail
source "$(dirname "$0")/lib/k7x.sh"

# make_project DIR COUNT SIZE [LAYOUT]: COUNT item files of about SIZE bytes,
# listed in DIR/Project.k7r and, for cat, in DIR/files (NUL-separated, the
# names on disk). LAYOUT: "exact" (eight subfolders, names as on disk), "mixed"
# (the same, every seventh path in other letter case: folder, file or both) or
# "onefolder" (one folder, every path in other letter case).
make_project() {
  python3 - "$1" "$2" "$3" "${4:-exact}" <<'PY'
import os, random, sys
folder, count, size, layout = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
random.seed(count)
os.makedirs(folder, exist_ok=True)
lines, names = [], []
block = os.urandom(65536)
for k in range(count):
    sub = "Items" if layout == "onefolder" else "Sub%d" % (k % 8)
    os.makedirs(os.path.join(folder, sub), exist_ok=True)
    n = max(0, min(65535, size + random.randint(-size // 4, size // 4)))
    start = random.randint(0, 65536 - n)
    name = "i%05d.bin" % k
    with open(os.path.join(folder, sub, name), "wb") as f:
        f.write(block[start:start + n])
    written_sub, written_name = sub, name
    if layout == "onefolder" or (layout == "mixed" and k % 7 == 0):
        kind = 2 if layout == "onefolder" else (k // 7) % 3
        if kind in (0, 2):
            written_sub = sub.upper()
        if kind in (1, 2):
            written_name = name.upper()
    lines.append("Item %d\t%s\\%s\tBenchmark item\tT\r\n" % (k, written_sub, written_name))
    names.append("%s/%s" % (sub, name))
with open(os.path.join(folder, "Project.k7r"), "w", newline="") as f:
    f.writelines(lines)
with open(os.path.join(folder, "files"), "wb") as f:
    f.write(b"\0".join(n.encode() for n in names) + b"\0")
PY
}

# measure COMMAND...: elapsed seconds (to the microsecond), processor seconds
# (user + system) and peak resident kilobytes. On a busy machine the processor
# time is the steadier figure.
measure() {
  local t0 t1
  t0=$EPOCHREALTIME
  /usr/bin/time -f '%U %S %M' -o "$scratch/time" "$@" >/dev/null
  t1=$EPOCHREALTIME
  read -r user sys kb <"$scratch/time"
  awk -v a="$t0" -v b="$t1" -v u="$user" -v s="$sys" -v m="$kb" \
    'BEGIN { printf "%.4f %.2f %d\n", b - a, u + s, m }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
m() { printf '%s\n' "$@" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.3f", a / b; else print "inf" }'; }

head -c 70000 /dev/urandom >"$scratch/original.bin"

compare() {
  local name=$1 dir=$2
  local k7x_wall=() cat_wall=() k7x_cpu=() cat_cpu=() wall_ratios=() cpu_ratios=()
  local peak=0 kt kc kb ct cc
  (cd "$dir" && du -sb --apparent-size . | awk '{ printf "%s: %.1f MB of item files\n", "'"$name"'", $1 / 1e6 }')
  for ((r = 0; r <= rounds; r++)); do
    read -r kt kc kb < <(cd "$dir" && measure "$K7X" build Project.k7r "$scratch/original.bin" "$scratch/out.k7x")
    read -r ct cc _ < <(cd "$dir" && measure sh -c 'xargs -0 cat <files >"$0"' "$scratch/cat.out")
    ((r == 0)) && continue # warm-up: fills the page cache
    k7x_wall+=("$kt") cat_wall+=("$ct") k7x_cpu+=("$kc") cat_cpu+=("$cc")
    wall_ratios+=("$(ratio "$kt" "$ct")") cpu_ratios+=("$(ratio "$kc" "$cc")")
    ((kb > peak)) && peak=$kb
  done
  "$K7X" verify "$scratch/out.k7x" >/dev/null
  printf '  k7x build: elapsed median %ss (%s), processor median %ss, peak %d MB\n' \
    "$(m "${k7x_wall[@]}")" "${k7x_wall[*]}" "$(m "${k7x_cpu[@]}")" $((peak / 1024))
  printf '  cat:       elapsed median %ss (%s), processor median %ss\n' \
    "$(m "${cat_wall[@]}")" "${cat_wall[*]}" "$(m "${cat_cpu[@]}")"
  printf '  k7x/cat round by round: elapsed median %s (%s), processor median %s (%s)\n' \
    "$(m "${wall_ratios[@]}")" "${wall_ratios[*]}" "$(m "${cpu_ratios[@]}")" "${cpu_ratios[*]}"
}

make_project "$scratch/p20000" 20000 750
compare "20,000 items, exact letter case" "$scratch/p20000"
make_project "$scratch/p20000mixed" 20000 750 mixed
compare "20,000 items, one path in seven in other letter case" "$scratch/p20000mixed"
make_project "$scratch/p65535" 65535 24
compare "65,535 items in eight folders, exact letter case" "$scratch/p65535"
make_project "$scratch/p65535case" 65535 24 onefolder
compare "65,535 items in one folder, all in other letter case" "$scratch/p65535case"

if [[ -z "${SKIP_BIG:-}" ]]; then
  make_project "$scratch/p1g" 16384 65535
  rm -f "$scratch/out.k7x"
  read -r t c kb < <(cd "$scratch/p1g" && measure "$K7X" build Project.k7r "$scratch/original.bin" "$scratch/out.k7x")
  size=$(stat -c %s "$scratch/out.k7x")
  printf '1 GB project: k7x build %ss (processor %ss), output %d MB, peak %d MB\n' \
    "$t" "$c" $((size / 1000000)) $((kb / 1024))
fi
