// expect: 1 ❌ Orvan Build Error: Unimplemented JavaScript Feature
// env: ORVAN_STRICT_UNSUPPORTED=1
var list = [1, 2, 3];
console.log(list);
