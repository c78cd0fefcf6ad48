// An http server answering its own client: routes, request bodies, status
// codes, header handling, and both framings of a response body.
const http = require('http');
const { EventEmitter } = require('events');
const { Readable, Writable } = require('stream');

const server = http.createServer((req, res) => {
  const body = [];
  req.on('data', (c) => body.push(c));
  req.on('end', () => {
    const text = Buffer.concat(body).toString();
    if (req.url === '/hello') {
      res.setHeader('Content-Type', 'text/plain');
      res.setHeader('X-Remove-Me', 'x');
      console.log('has/get', res.hasHeader('content-type'), res.getHeader('CONTENT-TYPE'));
      res.removeHeader('x-remove-me');
      console.log('after remove', res.hasHeader('x-remove-me'), res.getHeaderNames());
      console.log('sent before end', res.headersSent);
      res.end('hello ' + req.method + ' ' + req.httpVersion);
      console.log('sent after end', res.headersSent);
    } else if (req.url === '/echo' && req.method === 'POST') {
      console.log('server got', req.headers['content-type'], JSON.stringify(text), req.headers['content-length']);
      res.writeHead(201, { 'Content-Type': 'application/json', 'Content-Length': Buffer.byteLength(JSON.stringify({ got: text })) });
      res.end(JSON.stringify({ got: text }));
    } else if (req.url === '/chunks') {
      res.statusCode = 200;
      res.write('one,');
      res.write(Buffer.from('two,'));
      setTimeout(() => res.end('three'), 5);
    } else if (req.url === '/headers') {
      console.log('raw', req.rawHeaders.filter((h, i) => i % 2 === 0 && /^x-/i.test(h)));
      console.log('joined', req.headers['x-multi'], req.headers['x-case']);
      res.end();
    } else {
      res.statusCode = 404;
      res.statusMessage = 'Nowhere';
      res.end('not found: ' + req.url);
    }
  });
});
console.log('server is an EventEmitter', server instanceof EventEmitter);

function fetch(method, path, body, headers) {
  return new Promise((resolve, reject) => {
    const { port } = server.address();
    const req = http.request({ host: '127.0.0.1', port, method, path, headers: headers || {} }, (res) => {
      console.log('response is Readable', res instanceof Readable);
      let data = '';
      res.setEncoding('utf8');
      res.on('data', (c) => { data += c; });
      res.on('end', () => resolve({ status: res.statusCode, message: res.statusMessage, headers: res.headers, data }));
    });
    console.log('request is a stream', req instanceof EventEmitter, typeof req.write);
    req.on('error', reject);
    if (body !== undefined) req.write(body);
    req.end();
  });
}

server.listen(0, '127.0.0.1', async () => {
  const addr = server.address();
  console.log('listening', addr.address, addr.family, typeof addr.port, addr.port > 0);
  let r = await fetch('GET', '/hello');
  console.log(r.status, r.message, r.headers['content-type'], r.headers['content-length'], r.headers['x-remove-me'], r.data);
  r = await fetch('POST', '/echo', 'a=1&b=two', { 'Content-Type': 'application/x-www-form-urlencoded' });
  console.log(r.status, r.message, r.headers['content-type'], r.data);
  r = await fetch('GET', '/missing?q=1');
  console.log(r.status, r.message, r.data);
  r = await fetch('GET', '/chunks');
  console.log(r.status, r.headers['transfer-encoding'], r.headers['content-length'], r.data);
  r = await fetch('GET', '/headers', undefined, { 'X-Multi': ['a', 'b'], 'x-case': 'Up' });
  console.log(r.status, r.headers['content-length'], JSON.stringify(r.data));
  await new Promise((resolve) => {
    http.get(`http://127.0.0.1:${addr.port}/hello`, (res) => {
      res.resume();
      res.on('end', () => { console.log('get done', res.statusCode); resolve(); });
    });
  });
  server.close(() => console.log('closed', server.address()));
});
