// The http server's bytes on the wire, read by a plain TCP client: several
// requests on one kept-alive connection (pipelined), body framing by
// Content-Length and chunked, HEAD and 204 without a body, an HTTP/1.0
// client, a malformed request, and a kept-alive connection left idle, which
// the server closes once keepAliveTimeout has passed.
const http = require('http');
const net = require('net');

const server = http.createServer((req, res) => {
  if (req.url === '/len') res.end('fixed');
  else if (req.url === '/chunked') { res.write('ab'); res.end('cd'); }
  else if (req.url === '/head') res.end('never sent');
  else if (req.url === '/empty') { res.statusCode = 204; res.end(); }
  else if (req.url === '/close') { res.setHeader('Connection', 'close'); res.end('closing'); }
  else {
    let n = 0;
    req.on('data', (c) => { n += c.length; });
    req.on('end', () => res.end(`${req.method} ${req.url} ${n}`));
  }
});

// The response text without the Date line, which changes from run to run.
const show = (text) => text.split('\r\n').filter((l) => !l.startsWith('Date: ')).join('|');

function exchange(port, text) {
  return new Promise((resolve) => {
    const c = net.connect(port, '127.0.0.1', () => c.write(text));
    let got = '';
    c.on('data', (d) => { got += d; });
    c.on('end', () => { c.end(); resolve(got); });
  });
}

server.listen(0, '127.0.0.1', async () => {
  const { port } = server.address();
  const pipelined = 'GET /len HTTP/1.1\r\nHost: x\r\n\r\n' +
    'POST /body HTTP/1.1\r\nHost: x\r\nContent-Length: 5\r\n\r\nhello' +
    'PUT /up HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n2\r\nde\r\n0\r\n\r\n' +
    'GET /chunked HTTP/1.1\r\nHost: x\r\n\r\n' +
    'HEAD /head HTTP/1.1\r\nHost: x\r\n\r\n' +
    'GET /empty HTTP/1.1\r\nHost: x\r\n\r\n' +
    'GET /close HTTP/1.1\r\nHost: x\r\n\r\n';
  console.log(show(await exchange(port, pipelined)));
  console.log(show(await exchange(port, 'GET /chunked HTTP/1.0\r\n\r\n')));
  console.log(show(await exchange(port, 'GET /len HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n')));
  console.log(show(await exchange(port, 'NOT A REQUEST\r\n\r\n')).split('|')[0]);
  server.keepAliveTimeout = 50;
  console.log(show(await exchange(port, 'GET /len HTTP/1.1\r\nHost: x\r\n\r\n')));
  server.close(() => console.log('closed'));
});
