function down(n) { return down(n + 1) + 1; }
try { down(0); } catch (e) { console.log(e instanceof RangeError, e.name); }
console.log('survived');
down(0);
