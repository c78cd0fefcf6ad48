function outer(x) {
  function double(v) {
    return v * 2;
  }
  function square(v) {
    return v * v;
  }
  return double(x) + square(x);
}
console.log(outer(3));
console.log(outer(10));
