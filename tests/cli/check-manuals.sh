#!/usr/bin/env bash
# The manual pages as man shows them: without warnings, with the sections a user
# looks for, and telling every command and option that the programs' own --help
# lists (k7x's commands are read from `k7x --help`, as its command table prints
# them), and the bash completion offering every k7x command.
# usage: check-manuals.sh BIN_DIR MAN_DIR COMPLETION VERSION
set -uo pipefail
bin=$1 mandir=$2 completion=$3 version=$4
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$scratch/runtime" && chmod 700 "$scratch/runtime"
export HOME="$scratch" XDG_RUNTIME_DIR="$scratch/runtime"
# ASCII output, so that \- shows as the "-" a user types.
export LC_ALL=C MANWIDTH=200 MAN_KEEP_FORMATTING=

render() { # page -> the text man shows; warnings to $scratch/warnings
  man --warnings -l "$mandir/$1.1.gz" 2>"$scratch/warnings"
}
# The lines of one section of a rendered page.
section() { awk -v name="$2" '/^[A-Z]/ { on = ($0 == name) ; next } on' "$scratch/$1.txt"; }
options_of() { grep -oE -- '--[a-z][a-z-]*' | sort -u; }

for page in fendrel k7x vardensim vogreg; do
  render "$page" >"$scratch/$page.txt" || fail "$page: man cannot show it"
  [ ! -s "$scratch/warnings" ] || fail "$page: man warns: $(cat "$scratch/warnings")"
  for heading in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" FILES ENVIRONMENT EXAMPLES; do
    grep -qx "$heading" "$scratch/$page.txt" || fail "$page: no $heading section"
  done
  grep -q "Fendrel $version" "$scratch/$page.txt" || fail "$page: not marked with version $version"
  # every option the program's --help names is a heading of its OPTIONS section
  for option in $("$bin/$page" --help | options_of); do
    section "$page" OPTIONS | grep -qE -- "^ +(-[a-z], )?$option( |,|\$)" ||
      fail "$page: option $option is not in OPTIONS"
  done
  for status in 0 1 2; do
    section "$page" "EXIT STATUS" | grep -qE "^ +$status( |\$)" || fail "$page: exit status $status untold"
  done
done

for variable in FENDREL_CLASS_REGISTRY FENDREL_SYSTEM_CLASS_REGISTRY FENDREL_CHECK_INSTALLATION; do
  section fendrel ENVIRONMENT | grep -qE "^ +$variable\$" || fail "fendrel: $variable untold"
done

# k7x's commands: the words that start lines of its help and answer `COMMAND --help`.
commands=()
for word in $("$bin/k7x" --help | awk '{ print $1 }' | grep -xE '[a-z]+' | sort -u); do
  "$bin/k7x" "$word" --help >"$scratch/help-$word" 2>/dev/null && commands+=("$word")
done
[ ${#commands[@]} -ge 7 ] || fail "k7x --help lists ${#commands[@]} commands: ${commands[*]}"
for command in "${commands[@]}"; do
  section k7x COMMANDS | grep -qE "^ +$command( |\$)" || fail "k7x: command $command is not in COMMANDS"
  section k7x SYNOPSIS | grep -qE "^ *k7x $command( |\$)" || fail "k7x: command $command is not in SYNOPSIS"
  for option in $(options_of <"$scratch/help-$command"); do
    section k7x OPTIONS | grep -qE -- "^ +(-[a-z], )?$option( |,|\$)" ||
      fail "k7x: option $option of $command is not in OPTIONS"
  done
  grep -E '^ *local commands=' "$completion" | grep -qw -- "$command" ||
    fail "the bash completion does not offer $command"
done

[ "$failures" -eq 0 ] || exit 1
echo "manual pages of ${#commands[@]} k7x commands and every option: all well"
