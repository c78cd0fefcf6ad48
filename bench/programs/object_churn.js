var objects = JSON.parse("[]");
for (var i = 0; i < 2000; i++) {
  objects.push({ id: i, hits: 0, name: "n" + i });
}
for (var round = 0; round < 2000; round++) {
  for (var k = 0; k < objects.length; k++) {
    var o = objects[k];
    o.hits = o.hits + round;
    o.last = round;
  }
}
var sum = 0;
for (var m = 0; m < objects.length; m++) sum += objects[m].hits;
console.log(sum, objects[1999].last);
