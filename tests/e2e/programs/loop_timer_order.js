// Timers run by due time, ties in creation order, however late the loop gets
// to them; a zero or bad delay counts as 1 ms.
setTimeout(function () { console.log('60 a'); }, 60);
setTimeout(function () { console.log('50'); }, 50);
setTimeout(function () { console.log('60 b'); }, 60);
setTimeout(function () { console.log('1 (from 0)'); }, 0);
setTimeout(function () { console.log('1 (from -5)'); }, -5);
setTimeout(function () { console.log('1 (from text)'); }, 'soon');
setTimeout(function () { console.log('60 c'); }, 60);
var start = Date.now();
while (Date.now() - start < 80) {
  // every timer above is due before the loop starts
}
console.log('busy done');
