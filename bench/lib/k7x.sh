# Sourced by the paired k7x benchmarks: sets root, rounds, K7X (a Release
# build in build-bench/ unless given, since sanitizers and debug code would
# make the comparison meaningless) and a scratch folder removed at the end
# unless SCRATCH names one.
root=$(cd "$(dirname "${BASH_SOURCE[1]}")/.." && pwd)
rounds=${1:-5}

if [[ -z "${K7X:-}" ]]; then
  cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DFENDREL_SANITIZE=OFF -DFENDREL_BENCHMARKS=OFF >/dev/null
  ninja -C "$root/build-bench" k7x >/dev/null
  K7X="$root/build-bench/bin/k7x"
fi

scratch=${SCRATCH:-$(mktemp -d)}
mkdir -p "$scratch"
cleanup() { [[ -n "${SCRATCH:-}" ]] || rm -rf "$scratch"; }
trap cleanup EXIT
