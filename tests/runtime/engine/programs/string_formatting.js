const items = [{ name: 'Widget', price: 9.99, qty: 3 }, { name: 'Gadget', price: 24.5, qty: 1 }, { name: 'Thing', price: 0.5, qty: 12 }];
console.log('Item'.padEnd(10) + 'Qty'.padStart(5) + 'Total'.padStart(10));
for (const i of items) console.log(i.name.padEnd(10) + String(i.qty).padStart(5) + (i.price * i.qty).toFixed(2).padStart(10));
console.log((1234567.891).toLocaleString('en-US'), (0.1 + 0.2).toPrecision(3), (255).toString(16), (1e-7).toString(), 123.456.toFixed(1));
console.log(Number('0x1f'), parseInt('08'), parseFloat('3.14abc'), Number.MAX_SAFE_INTEGER, 2 ** 53 + 1, 0.1 * 3, -0, [-0], 1 / 3);
console.log(`${[1, 2]}`, String({}), `${null} ${undefined}`, [1, [2, 3]].toString(), 5n ** 20n, typeof 1n);
console.log(new Date(Date.UTC(2020, 1, 29, 12)).toISOString(), Math.round(2.5), Math.round(-2.5), Math.sign(-3));
