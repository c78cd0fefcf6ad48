var p = { name: "Ada", age: 36 };
console.log(p.name, p.age);
p.age = p.age + 1;
p.city = "London";
console.log(p.age, p.city);
console.log(p.missing);
var nested = { inner: { value: 42 }, list: JSON.parse("[1,2]") };
console.log(nested.inner.value);
console.log(nested.list.length);
