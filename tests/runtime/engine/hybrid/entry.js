function greet(payload) {
  const data = JSON.parse(payload);
  return 'hello ' + data.name + ' (' + data.times + ')';
}
function total(payload) {
  const items = JSON.parse(payload);
  let sum = 0;
  for (let i = 0; i < items.length; i++) sum += items[i];
  return sum;
}
function ping() {
  return 'pong';
}
function nothing() {}
console.log('compiled main runs after the island started');
