const transitions = { idle: { start: 'running' }, running: { pause: 'paused', stop: 'idle' }, paused: { resume: 'running', stop: 'idle' } };
function machine(state = 'idle') {
  return { get state() { return state; }, send(ev) { const next = transitions[state][ev]; if (!next) throw new Error(`bad event ${ev} in ${state}`); state = next; return this; } };
}
const m = machine();
for (const ev of ['start', 'pause', 'resume', 'stop', 'pause']) {
  try { m.send(ev); console.log(ev, '->', m.state); } catch (e) { console.log(e.message); }
}
