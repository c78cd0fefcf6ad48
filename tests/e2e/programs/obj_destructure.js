var point = { x: 3, y: 4, label: "P" };
const { x, y } = point;
const { label: name } = point;
console.log(x, y, name);
console.log(Math.sqrt(x * x + y * y));
