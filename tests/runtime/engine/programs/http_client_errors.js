// What an http client and server meet when things go wrong: a refused
// connection, a server that hangs up mid-response, header misuse; and a
// request body piped straight into the response.
const http = require('http');
const net = require('net');

const server = http.createServer((req, res) => {
  if (req.url === '/hangup') { res.write('partial'); setTimeout(() => req.socket.destroy(), 5); return; }
  if (req.url === '/pipe') { res.setHeader('Content-Type', 'text/plain'); req.pipe(res); return; }
  res.end('ok');
  try { res.setHeader('X-Late', '1'); } catch (e) { console.log('late header', e.code); }
  try { res.writeHead(500); } catch (e) { console.log('late writeHead', e.code); }
});

function get(port, path) {
  return new Promise((resolve) => {
    const req = http.get({ host: '127.0.0.1', port, path }, (res) => {
      let data = '';
      res.on('data', (c) => { data += c; });
      res.on('end', () => resolve(`end ${res.statusCode} ${data}`));
      res.on('aborted', () => resolve(`aborted after ${JSON.stringify(data)}`));
      res.on('error', () => {});
    });
    req.on('error', (e) => resolve(`error ${e.code} ${e.syscall || ''}`));
  });
}

function post(port, path, pieces) {
  return new Promise((resolve) => {
    const req = http.request({ host: '127.0.0.1', port, path, method: 'POST' }, (res) => {
      let data = '';
      res.on('data', (c) => { data += c; });
      res.on('end', () => resolve(`${res.statusCode} ${res.headers['content-type']} ${data}`));
    });
    for (const p of pieces) req.write(p);
    req.end();
  });
}

try { http.createServer().listen(70000); } catch (e) { console.log('bad port', e.code); }
try { new http.ServerResponse({ method: 'GET', httpVersionMajor: 1, httpVersionMinor: 1 }).setHeader('bad name', 1); } catch (e) { console.log('bad name', e.code); }

server.listen(0, '127.0.0.1', async () => {
  const { port } = server.address();
  console.log(await get(port, '/'));
  console.log(await get(port, '/hangup'));
  console.log(await post(port, '/pipe', ['piped ', 'through ', 'the server']));
  server.close(async () => {
    const closed = net.createServer().listen(0, '127.0.0.1', async () => {
      const free = closed.address().port;
      closed.close(async () => console.log(await get(free, '/')));
    });
  });
});
