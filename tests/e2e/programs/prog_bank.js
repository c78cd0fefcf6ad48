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
