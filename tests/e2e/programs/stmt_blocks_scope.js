function run() {
  var total = 0;
  {
    let inner = 5;
    total += inner;
  }
  {
    let inner = 7;
    total += inner;
  }
  for (let i = 0; i < 3; i++) {
    const sq = i * i;
    total += sq;
  }
  return total;
}
console.log(run());
const LIMIT = 3;
let acc = 0;
for (let i = 0; i < LIMIT; i++) acc += i;
console.log(acc);
