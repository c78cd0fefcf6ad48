# Sourced by the tests of the assembly rewriting: they work in a scratch
# folder of their own, removed when they end, and compare what a program
# printed with what it should print.
# The folder of the headers the test programs share.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cxx=${CXX:-c++}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir"

# expect_output <printed> <expected>
expect_output() {
  if [[ $1 != "$2" ]]; then
    printf 'program printed:\n%s\nexpected:\n%s\n' "$1" "$2" >&2
    exit 1
  fi
}
