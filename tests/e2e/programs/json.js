// errors
try {
  JSON.parse("{bad json");
  console.log("not reached");
} catch (e) {
  console.log(String(e).indexOf("SyntaxError") === 0);
}
console.log(JSON.stringify(undefined), JSON.stringify(null));

// roundtrip
var data = JSON.parse('{"name":"x","list":[1,2,{"deep":true}],"n":null}');
console.log(data.name, data.list.length, data.list[2].deep, data.n);
console.log(JSON.stringify(data));
console.log(JSON.stringify({ a: 1, b: "two" }, null, 2));
console.log(JSON.stringify("quote\"d"));
console.log(JSON.stringify(JSON.parse("[1,\"a\",false]")));
