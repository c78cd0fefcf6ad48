// expect: any Orvan Build Warning
function makeAdder(n) {
  return function (x) {
    return x + n;
  };
}
console.log(makeAdder(2)(3));
