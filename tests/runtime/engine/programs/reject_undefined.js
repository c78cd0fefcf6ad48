console.log('start');
Promise.reject(undefined);
setTimeout(() => console.log('never printed'), 20);
