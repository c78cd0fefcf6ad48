// execSync's timeout, maxBuffer and killSignal: past a limit the child is
// killed and the call throws the system error Node gives, instead of waiting.
var cp = require('child_process');
function attempt(label, command, options) {
  try {
    var out = cp.execSync(command, options);
    console.log(label, 'ok', JSON.stringify(String(out)));
  } catch (e) {
    console.log(label, JSON.stringify(e.message), e.code, e.errno, e.syscall, e.path, e.spawnargs,
                e.status, e.signal, e.error === e, Object.keys(e).join(','));
  }
}
attempt('timeout', 'sleep 5', { timeout: 150 });
attempt('signal', 'sleep 5', { timeout: 150, killSignal: 'SIGKILL' });
attempt('numeric signal', 'sleep 5', { timeout: 150, killSignal: 2 });
attempt('in time', 'echo quick', { timeout: 5000 });
attempt('over', 'printf abcdef; sleep 5', { maxBuffer: 3 });
attempt('exact', 'printf abc', { maxBuffer: 3 });
attempt('no limits', 'echo free', { timeout: 0, maxBuffer: Infinity });
attempt('default buffer', 'head -c 1048577 /dev/zero; sleep 5', {});
attempt('bad timeout', 'true', { timeout: -1 });
attempt('fractional timeout', 'true', { timeout: 1.5 });
attempt('text timeout', 'true', { timeout: 'x' });
attempt('bad buffer', 'true', { maxBuffer: 'x' });
attempt('bad signal', 'true', { killSignal: 'SIGNOPE' });
