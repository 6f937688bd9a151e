#!/usr/bin/env bash
# Every program answers --help and --version as shell users and packagers expect
# (standard output, exit 0, no display needed, the project's version), and keeps
# the exit statuses of the tools: 1 refused, 2 usage error with its message on
# standard error and nothing on standard output.
# usage: check-programs.sh BIN_DIR VERSION
set -uo pipefail
bin=$1 version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# No display of any kind: fendrel must answer before Qt looks for one. A home
# of the test's own, so that nothing reaches the user's settings or registry.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM FENDREL_CLASS_REGISTRY
mkdir -p "$scratch/home" "$scratch/runtime" && chmod 700 "$scratch/runtime"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_RUNTIME_DIR="$scratch/runtime"
export FENDREL_SYSTEM_CLASS_REGISTRY="$scratch/no-system-registry.ini"

# program | arguments | exit status | standard output (a grep pattern; "" = empty) | standard error
cases="fendrel|--version|0|^fendrel $version\$|
k7x|--version|0|^k7x $version\$|
vardensim|--version|0|^vardensim $version\$|
vogreg|--version|0|^vogreg $version\$|
fendrel|--help|0|^Usage: fendrel \\[PROJECT.k7r\\]|
k7x|--help|0|^Usage: k7x |
vardensim|--help|0|^Usage: vardensim \\[options\\]$|
vogreg|--help|0|^Usage: vogreg \\[--system\\] \\[-u\\] LIBRARY|
fendrel|-h|0|^Usage: fendrel|
vogreg|-h|0|^Usage: vogreg|
fendrel|a.k7r --version|0|^fendrel $version\$|
vogreg|-u --help|0|^Usage: vogreg|
fendrel|--bogus|2||unknown option \"--bogus\"
fendrel|-platform offscreen a.k7r b.k7r|2||one project file at most
k7x|bogus|2||unknown command \"bogus\"
vardensim|--bogus|2||Unknown option 'bogus'
vardensim|--udp x|2||--udp takes a whole number
vardensim|stray|2||unexpected argument \"stray\"
vogreg|--all x.so|2||unknown option \"--all\"
vogreg||2||Usage: vogreg
vogreg|a.so b.so|2||Usage: vogreg
vogreg|$scratch/none.so|1||registering $scratch/none.so failed: 0x
vardensim|--firmware $scratch/none.k7x|1||vardensim: $scratch/none.k7x:
k7x|verify $scratch/none.k7x|1||none.k7x: 53: File not found"

while IFS='|' read -r program args status out err; do
  # shellcheck disable=SC2086 # the arguments are words
  "$bin/$program" $args >"$scratch/out" 2>"$scratch/err" </dev/null
  got=$?
  what="$program $args"
  [ "$got" = "$status" ] || fail "$what: exit status $got, not $status"
  if [ -n "$out" ]; then
    grep -qE -- "$out" "$scratch/out" || fail "$what: standard output: $(head -c 300 "$scratch/out")"
    [ ! -s "$scratch/err" ] || fail "$what: writes to standard error: $(head -c 300 "$scratch/err")"
  else
    [ ! -s "$scratch/out" ] || fail "$what: writes to standard output: $(head -c 300 "$scratch/out")"
    grep -qF -- "$err" "$scratch/err" || fail "$what: standard error: $(head -c 300 "$scratch/err")"
  fi
done <<<"$cases"

[ "$failures" -eq 0 ] || exit 1
echo "help, version and exit statuses of every program: all well"
