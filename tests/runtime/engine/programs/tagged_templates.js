const html = (strings, ...vals) => strings.reduce((out, s, i) => out + s + (i < vals.length ? String(vals[i]).replace(/[<>&]/g, (c) => ({ '<': '&lt;', '>': '&gt;', '&': '&amp;' })[c]) : ''), '');
console.log(html`<p>${'<b>bold</b>'} & ${42}</p>`);
const money = (n) => `$${n.toFixed(2)}`;
console.log(`Total: ${money(3 * 4.5)} for ${[1, 2, 3].length} items`, `multi
line`);
