var ok = true;
try {
  throw "x";
} catch {
  ok = false;
}
console.log(ok);
