process.on('exit', (code) => console.log('exiting with', code));
console.log('work');
setTimeout(() => { console.log('not reached'); }, 100);
setTimeout(() => process.exit(5), 1);
