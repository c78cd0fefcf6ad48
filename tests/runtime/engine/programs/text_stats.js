const text = `It was the best of times, it was the worst of times, it was the age of wisdom,
it was the age of foolishness, it was the epoch of belief, it was the epoch of incredulity.`;
const words = text.toLowerCase().match(/[a-z']+/g);
const freq = words.reduce((m, w) => m.set(w, (m.get(w) || 0) + 1), new Map());
const top = [...freq].sort((a, b) => b[1] - a[1] || a[0].localeCompare(b[0])).slice(0, 5);
console.log(words.length, freq.size, top);
console.log(text.split('\n').map((l) => l.length), text.replace(/\bit\b/gi, 'IT').slice(0, 40));
