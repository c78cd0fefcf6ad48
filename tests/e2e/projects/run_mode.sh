#!/usr/bin/env bash
# `orvan run` as a user runs it, in a project folder whose name holds a blank:
# the program gets its arguments exactly as typed (blanks, quotes, $(...) and
# backquotes reach it as text, never as shell code), its standard output and
# error come back merged, and the compiler's status follows the program's.
# Usage: run_mode.sh <install dir> <work dir>
inst=$1 work=$2 name=run_mode
source "$(dirname "$0")/support.sh"

mkdir -p "my app/src"
echo '{}' > "my app/orvan.config.json"
cat > "my app/src/main.js" <<'JS'
const args = process.argv.slice(2);
for (let i = 0; i < args.length; i++) console.log("[" + args[i] + "]");
console.error("to stderr");
if (args[0] === "exit3") process.exit(3);
if (args[0] === "signal") require("child_process").execSync("kill -9 " + process.pid);
JS

args=("two words" 'say "hi"' '$(touch pwned)' '`touch pwned`' '' 'back\slash' "it's")
"$orvan" run "my app" -- "${args[@]}" >run.out 2>run.err
status=$?
((status == 0)) || bad "run status $status: $(tail -5 run.err)"
{ printf '[%s]\n' "${args[@]}"; echo "to stderr"; } >expected.out
same "relayed output" expected.out run.out
[[ -e pwned || -e "my app/pwned" ]] && bad "an argument ran as shell code"
exe="$scratch/my app/.orvan-build/my app_app.bin"
grep -qxF "orvan: running \"$exe\" ..." run.err || bad "no running line: $(cat run.err)"

"$orvan" run "my app" -- exit3 >/dev/null 2>&1
status=$?
((status == 1)) || bad "exit code 3 gave status $status"
"$orvan" run "my app" -- signal >/dev/null 2>&1
status=$?
((status == 1)) || bad "death by signal gave status $status"

# --time: the build, then the time to the program's first output.
"$orvan" run "my app" --time -- x >time.out 2>time.err || bad "timed run failed"
grep -qE '^orvan benchmark \(build\): [0-9]+ms$' time.err || bad "no build time: $(cat time.err)"
grep -qE '^orvan benchmark \(start time\): [0-9]+ms$' time.err || bad "no start time: $(cat time.err)"
grep -q 'completion time' time.err && bad "completion time with output"
printf '[x]\nto stderr\n' | cmp -s - time.out || bad "timed output: $(cat time.out)"
finish
