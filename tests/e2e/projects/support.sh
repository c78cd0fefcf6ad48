# Shared by the project end-to-end scripts: a fresh folder per test, a failure
# counter and the check that compares a program's output with node's.
# Sourced with: inst=<install dir> work=<work dir> name=<test name>.
set -u
orvan=$inst/orvan
fail=0
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
scratch=$work/projects/$name
rm -rf "$scratch" && mkdir -p "$scratch" && cd "$scratch" || exit 1

bad() {
  echo "FAIL: $*"
  fail=1
}

# same <what> <expected file> <actual file>
same() {
  cmp -s "$2" "$3" || { bad "$1 differs"; diff "$2" "$3" | head -20; }
}

finish() {
  ((fail == 0)) && echo "$name ok"
  exit $fail
}
