console.log('before');
setTimeout(() => { throw new Error('boom'); }, 1);
