// readline: line events, async iteration and question() over a readable stream.
(function (native, internal, module, exports) {
'use strict';
const EventEmitter = internal.require('events');

class Interface extends EventEmitter {
  constructor(input, output) {
    super();
    if (input && input.input !== undefined) ({ input, output } = input);
    this.input = input;
    this.output = output;
    this.closed = false;
    this._buffer = '';
    this._questions = [];
    this._prompt = '> ';
    this._ondata = (chunk) => {
      this._buffer += typeof chunk === 'string' ? chunk : chunk.toString();
      let i;
      while ((i = this._buffer.search(/\r?\n/)) >= 0) {
        const line = this._buffer.slice(0, i);
        this._buffer = this._buffer.slice(this._buffer[i] === '\r' ? i + 2 : i + 1);
        this._line(line);
      }
    };
    this._onend = () => {
      if (this._buffer.length > 0) { const rest = this._buffer; this._buffer = ''; this._line(rest); }
      this.close();
    };
    input.on('data', this._ondata);
    input.on('end', this._onend);
  }
  _line(line) {
    const q = this._questions.shift();
    if (q) q(line);
    else this.emit('line', line);
  }
  setPrompt(p) { this._prompt = p; }
  getPrompt() { return this._prompt; }
  prompt() { if (this.output) this.output.write(this._prompt); }
  question(query, options, cb) {
    if (typeof options === 'function') cb = options;
    if (this.output) this.output.write(query);
    this._questions.push(cb);
  }
  write(data) { if (this.output) this.output.write(data); }
  pause() { this.input.pause(); return this; }
  resume() { this.input.resume(); return this; }
  close() {
    if (this.closed) return;
    this.closed = true;
    this.input.removeListener('data', this._ondata);
    this.input.removeListener('end', this._onend);
    if (typeof this.input.pause === 'function') this.input.pause();
    this.emit('close');
  }
  [Symbol.asyncIterator]() {
    const lines = [];
    const waiting = [];
    let done = false;
    this.on('line', (l) => (waiting.length ? waiting.shift()({ value: l, done: false }) : lines.push(l)));
    this.on('close', () => { done = true; while (waiting.length) waiting.shift()({ value: undefined, done: true }); });
    return {
      next: () => {
        if (lines.length) return Promise.resolve({ value: lines.shift(), done: false });
        if (done) return Promise.resolve({ value: undefined, done: true });
        return new Promise((resolve) => waiting.push(resolve));
      },
      return: () => { this.close(); return Promise.resolve({ value: undefined, done: true }); },
      [Symbol.asyncIterator]() { return this; },
    };
  }
}

exports.Interface = Interface;
exports.createInterface = (input, output) => new Interface(input, output);
exports.clearLine = (stream, dir, cb) => { if (cb) cb(); return true; };
exports.cursorTo = (stream, x, y, cb) => { if (typeof y === 'function') y(); else if (cb) cb(); return true; };
exports.moveCursor = (stream, dx, dy, cb) => { if (cb) cb(); return true; };
exports.emitKeypressEvents = () => {};
exports.promises = {
  createInterface: (input, output) => {
    const rl = new Interface(input, output);
    rl.question = (query) => new Promise((resolve) => Interface.prototype.question.call(rl, query, resolve));
    return rl;
  },
};
})
