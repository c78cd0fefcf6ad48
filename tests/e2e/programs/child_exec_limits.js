// exec and execFile with timeout, maxBuffer and killSignal: the child is
// killed past a limit, and the callback comes at once with what was read,
// though a grandchild of the shell still holds the output open.
var cp = require('child_process');
var child = cp.exec('echo partial; sleep 5', { timeout: 150 }, function (err, stdout, stderr) {
  console.log('timeout', err.message.split('\n')[0], err.code, err.killed, err.signal, err.cmd,
              JSON.stringify(stdout), JSON.stringify(stderr), child.killed, Object.keys(err).join(','));
  cp.exec('printf abcdef; sleep 5', { maxBuffer: 3 }, function (err, stdout) {
    console.log('stdout buffer', err.name, err.message, err.code, err.cmd, JSON.stringify(stdout),
                Object.keys(err).join(','));
    cp.exec('printf toolong 1>&2; sleep 5', { maxBuffer: 4, encoding: 'buffer' }, function (err, stdout, stderr) {
      console.log('stderr buffer', err.message, stdout.length, stderr.toString());
      cp.execFile('sleep', '5'.split(' '), { timeout: 100, killSignal: 'SIGKILL' }, function (err) {
        console.log('file', err.message.trim(), err.code, err.killed, err.signal, err.cmd);
        cp.exec('echo in time', { timeout: 5000, maxBuffer: 8 }, function (err, stdout) {
          console.log('in time', err, JSON.stringify(stdout));
        });
      });
    });
  });
});
try {
  cp.exec('true', { timeout: -5 });
} catch (e) {
  console.log(e.code, e.message);
}
