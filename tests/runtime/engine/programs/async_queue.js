class TaskQueue {
  constructor(concurrency) { this.concurrency = concurrency; this.running = 0; this.queue = []; this.log = []; }
  push(name, ms) { return new Promise((resolve) => { this.queue.push({ name, ms, resolve }); this.next(); }); }
  next() {
    while (this.running < this.concurrency && this.queue.length) {
      const t = this.queue.shift(); this.running++; this.log.push(`start ${t.name}`);
      setTimeout(() => { this.running--; this.log.push(`end ${t.name}`); t.resolve(t.name); this.next(); }, t.ms);
    }
  }
}
const q = new TaskQueue(2);
Promise.all([q.push('a', 200), q.push('b', 10), q.push('c', 10), q.push('d', 5)]).then((r) => { console.log(r); console.log(q.log); });
