// expect: 0 Feature: getter or setter in an object literal
var box = {
  inner: 2,
  get doubled() { return this.inner * 2; },
};
console.log(box.doubled);
