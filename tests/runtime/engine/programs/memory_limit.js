// Allocates until the engine's heap limit: a clear error and status 1.
console.log('allocating');
const keep = [];
for (;;) keep.push({ block: new Array(4096).fill(keep.length) });
