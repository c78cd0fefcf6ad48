// A TCP echo server and its clients: data both ways, half-close, encodings,
// addresses, and the errors a client meets.
const net = require('net');
const { Duplex } = require('stream');

const events = [];
const server = net.createServer((socket) => {
  console.log('server socket is a Duplex', socket instanceof Duplex, socket.remoteAddress);
  socket.on('data', (d) => socket.write(d.toString().toUpperCase()));
  socket.on('end', () => { events.push('server end'); socket.end('bye'); });
  socket.on('close', () => events.push('server close'));
});
server.on('listening', () => console.log('listening event'));

function talk(port, pieces) {
  return new Promise((resolve) => {
    const client = net.connect(port, '127.0.0.1');
    client.setEncoding('utf8');
    let got = '';
    client.on('connect', () => {
      console.log('connected', client.remotePort === port, client.localAddress);
      for (const p of pieces) client.write(p);
      client.end();
    });
    client.once('data', (d) => console.log('data type', typeof d));
    client.on('data', (d) => { got += d; });
    client.on('end', () => console.log('client end'));
    client.on('close', () => resolve(got));
  });
}

server.listen({ port: 0, host: '127.0.0.1' }, async () => {
  const { port } = server.address();
  console.log('got', await talk(port, ['hello ', Buffer.from('world')]));
  const big = 'x'.repeat(200000);
  const got = await talk(port, [big]);
  console.log('big echo', got.length, got === big.toUpperCase() + 'bye');
  server.getConnections((err, n) => console.log('connections', err, n));
  const s = net.createConnection({ port, host: '127.0.0.1' });
  s.on('connect', () => { s.destroy(); });
  s.on('close', () => {
    console.log('destroyed', s.destroyed);
    server.close(() => {
      console.log('server closed', events.filter((e) => e === 'server close').length);
      const refused = net.connect(port, '127.0.0.1');
      refused.on('error', (e) => console.log('error', e.code, e.syscall, e.message === `connect ECONNREFUSED 127.0.0.1:${port}`));
      refused.on('close', () => {
        const other = net.createServer();
        other.listen(0, '127.0.0.1', () => {
          const taken = net.createServer();
          taken.on('error', (e) => { console.log('listen error', e.code, e.syscall); other.close(); });
          taken.listen(other.address().port, '127.0.0.1');
        });
      });
    });
  });
});
