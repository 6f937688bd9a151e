#!/usr/bin/env bash
# Times `k7x build` against `cat` of the same item files into one file, in the
# same run, over several rounds, for a project of 20,000 items (about 15 MB) and
# one of 65,535 small items; then measures k7x's peak memory on a 1 GB project.
#
# Usage: bench/compile_vs_cat.sh [ROUNDS]
#   K7X=path/to/k7x     the tool to time (default: a Release build in build-bench/)
#   SKIP_BIG=1          leave out the 1 GB project
#   SCRATCH=folder      where the projects are made (default: a temporary folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-5}

if [[ -z "${K7X:-}" ]]; then
  # Sanitizers and debug code would make the comparison meaningless.
  cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DFENDREL_SANITIZE=OFF -DFENDREL_BENCHMARKS=OFF >/dev/null
  ninja -C "$root/build-bench" k7x >/dev/null
  K7X="$root/build-bench/bin/k7x"
fi

scratch=${SCRATCH:-$(mktemp -d)}
mkdir -p "$scratch"
cleanup() { [[ -n "${SCRATCH:-}" ]] || rm -rf "$scratch"; }
trap cleanup EXIT

# make_project DIR COUNT SIZE: COUNT item files of about SIZE bytes in eight
# subfolders, listed in DIR/Project.k7r and, for cat, in DIR/files (NUL-separated).
make_project() {
  python3 - "$1" "$2" "$3" <<'PY'
import os, random, sys
folder, count, size = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
random.seed(count)
os.makedirs(folder, exist_ok=True)
lines, names = [], []
block = os.urandom(65536)
for k in range(count):
    sub = "Sub%d" % (k % 8)
    os.makedirs(os.path.join(folder, sub), exist_ok=True)
    n = max(0, min(65535, size + random.randint(-size // 4, size // 4)))
    start = random.randint(0, 65536 - n)
    with open(os.path.join(folder, sub, "i%05d.bin" % k), "wb") as f:
        f.write(block[start:start + n])
    lines.append("Item %d\t%s\\i%05d.bin\tBenchmark item\tT\r\n" % (k, sub, k))
    names.append("%s/i%05d.bin" % (sub, k))
with open(os.path.join(folder, "Project.k7r"), "w", newline="") as f:
    f.writelines(lines)
with open(os.path.join(folder, "files"), "wb") as f:
    f.write(b"\0".join(n.encode() for n in names) + b"\0")
PY
}

# seconds_and_kb COMMAND...: elapsed seconds and peak resident kilobytes.
seconds_and_kb() {
  /usr/bin/time -f '%e %M' -o "$scratch/time" "$@" >/dev/null
  cat "$scratch/time"
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

head -c 70000 /dev/urandom >"$scratch/original.bin"

compare() {
  local name=$1 dir=$2
  local k7x_times=() cat_times=() peak=0
  (cd "$dir" && du -sb --apparent-size . | awk '{ printf "%s: %.1f MB of item files\n", "'"$name"'", $1 / 1e6 }')
  for ((r = 1; r <= rounds; r++)); do
    read -r t kb < <(cd "$dir" && seconds_and_kb "$K7X" build Project.k7r "$scratch/original.bin" "$scratch/out.k7x")
    k7x_times+=("$t")
    ((kb > peak)) && peak=$kb
    read -r t _ < <(cd "$dir" && seconds_and_kb sh -c 'xargs -0 cat <files >"$0"' "$scratch/cat.out")
    cat_times+=("$t")
  done
  "$K7X" verify "$scratch/out.k7x" >/dev/null
  local k c
  k=$(printf '%s\n' "${k7x_times[@]}" | median)
  c=$(printf '%s\n' "${cat_times[@]}" | median)
  printf '  k7x build: %ss (rounds: %s), peak %d MB\n' "$k" "${k7x_times[*]}" $((peak / 1024))
  printf '  cat:       %ss (rounds: %s)\n' "$c" "${cat_times[*]}"
  awk -v k="$k" -v c="$c" 'BEGIN { if (c > 0) printf "  ratio k7x/cat: %.2f\n", k / c; else print "  ratio: cat too fast to time" }'
}

make_project "$scratch/p20000" 20000 750
compare "20,000 items" "$scratch/p20000"
make_project "$scratch/p65535" 65535 24
compare "65,535 items" "$scratch/p65535"

if [[ -z "${SKIP_BIG:-}" ]]; then
  make_project "$scratch/p1g" 16384 65535
  rm -f "$scratch/out.k7x"
  read -r t kb < <(cd "$scratch/p1g" && seconds_and_kb "$K7X" build Project.k7r "$scratch/original.bin" "$scratch/out.k7x")
  size=$(stat -c %s "$scratch/out.k7x")
  printf '1 GB project: k7x build %ss, output %d MB, peak %d MB\n' "$t" $((size / 1000000)) $((kb / 1024))
fi
