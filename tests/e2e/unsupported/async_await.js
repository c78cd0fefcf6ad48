// expect: any orvan: warning (
async function load() {
  return 1;
}
console.log(typeof load);
