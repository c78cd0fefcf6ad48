// JavaScript names that are C++ keywords, C library names or `main` compile and keep their meaning.
var double = function double(n) { return n * 2; };
var int = 3;
function basename(p) { return 'base:' + p; }
function exit(code) { return 'exit ' + code; }
function main() {
  var index = 2, time = 5, char = 'c', register = { and: 1, or: 2 };
  var log = function (x) { return 'log ' + x; };
  console.log(double(int), double(index), exit(time), basename(char));
  console.log(log(register.and + register.or), register.and, register.or);
  var o = { double: 1, int: int };
  o.signed = 'yes';
  console.log(o.double, o.int, o.signed, o['double'] + double(o.int));
  var main_ = 'main_ is a different name';
  console.log(main_);
  try { undefinedThing; } catch (e) { console.log(String(e)); }
}
main();
var free = double(21);
console.log(free, typeof main, typeof double, typeof exit);
