// bank
var accounts = {};
function openAccount(name, amount) {
  accounts[name] = { balance: amount, history: JSON.parse("[]") };
}
function transfer(from, to, amount) {
  if (accounts[from].balance < amount) throw "insufficient funds in " + from;
  accounts[from].balance -= amount;
  accounts[to].balance += amount;
  accounts[from].history.push(-amount);
  accounts[to].history.push(amount);
}
openAccount("alice", 100);
openAccount("bob", 20);
transfer("alice", "bob", 30);
try {
  transfer("bob", "alice", 500);
} catch (e) {
  console.log("error:", e);
}
console.log(accounts.alice.balance, accounts.bob.balance);
console.log(accounts.bob.history.join(","));

// fizzbuzz
for (var i = 1; i <= 15; i++) {
  var s = "";
  if (i % 3 === 0) s += "Fizz";
  if (i % 5 === 0) s += "Buzz";
  console.log(s || i);
}

// gcd primes
function gcd(a, b) {
  while (b !== 0) {
    var t = b;
    b = a % b;
    a = t;
  }
  return a;
}
console.log(gcd(48, 18), gcd(17, 5), gcd(100, 75));
function sieve(n) {
  var marks = {};
  var found = "";
  for (var i = 2; i <= n; i++) {
    if (!marks[i]) {
      found += i + " ";
      for (var j = i * i; j <= n; j += i) marks[j] = true;
    }
  }
  return found.trim();
}
console.log(sieve(50));

// matrix
function makeMatrix(n) {
  var m = JSON.parse("[]");
  for (var i = 0; i < n; i++) {
    var row = JSON.parse("[]");
    for (var j = 0; j < n; j++) row.push(i * n + j);
    m.push(row);
  }
  return m;
}
function trace(m) {
  var t = 0;
  for (var i = 0; i < m.length; i++) t += m[i][i];
  return t;
}
var m = makeMatrix(4);
console.log(trace(m));
console.log(m[2].join(" "));

// queue
var q = JSON.parse("[]");
q.push("a");
q.push("b");
q.push("c");
console.log(q.shift(), q.length);
q.unshift("z");
console.log(q.join(""), q.indexOf("b"), q.includes("c"));
console.log(q.pop(), q.slice(0, 1).join(""));

// wordcount
var text = "the quick brown fox jumps over the lazy dog the end";
var words = text.split(" ");
var counts = {};
for (var i = 0; i < words.length; i++) {
  var w = words[i];
  if (counts.hasOwnProperty(w)) counts[w] = counts[w] + 1;
  else counts[w] = 1;
}
var keys = Object.keys(counts).sort();
for (var k = 0; k < keys.length; k++) {
  console.log(keys[k], counts[keys[k]]);
}
