// process.exit inside a callback ends at once: later timers never run, the
// 'exit' listeners do, and output written before is kept.
process.on('exit', function (code) { console.log('exit listener', code); });
setTimeout(function () {
  process.stdout.write('before exit\n');
  process.exit(3);
  console.log('not reached');
}, 5);
setTimeout(function () { console.log('never'); }, 50);
console.log('scheduled');
