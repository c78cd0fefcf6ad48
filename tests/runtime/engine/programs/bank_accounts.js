class InsufficientFunds extends Error { constructor(need) { super(`need ${need} more`); this.name = 'InsufficientFunds'; } }
class Account {
  #balance = 0; static count = 0;
  constructor(owner) { this.owner = owner; this.history = []; Account.count++; }
  deposit(n) { this.#balance += n; this.history.push(['dep', n]); return this; }
  withdraw(n) { if (n > this.#balance) throw new InsufficientFunds(n - this.#balance); this.#balance -= n; this.history.push(['wd', n]); return this; }
  get balance() { return this.#balance; }
}
const a = new Account('ann').deposit(100).withdraw(30);
try { a.withdraw(500); } catch (e) { console.log(e.name, e.message); }
console.log(a.balance, a.history, Account.count, a);
