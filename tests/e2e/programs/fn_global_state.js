var counter = 0;
function bump(by) {
  counter = counter + by;
  return counter;
}
bump(1);
bump(5);
console.log(counter);
console.log(bump(10));
