const double = n => n * 2;
const int = (a, b) => a + b;
function main() {
  const label = 'x';
  console.log(double(int(1, 2)), typeof double);
  let total = 0;
  for (let i = 0; i < 3; i++) total += double(i);
  console.log(`${label}=${total}`);
}
main();
