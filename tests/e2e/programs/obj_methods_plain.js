function area(shape) {
  return shape.w * shape.h;
}
var shapes = JSON.parse('[{"w":2,"h":3},{"w":4,"h":5}]');
var sum = 0;
for (var i = 0; i < shapes.length; i++) {
  sum += area(shapes[i]);
}
console.log(sum);
var calc = { twice: function (x) { return 2 * x; } };
console.log(calc.twice(8));
