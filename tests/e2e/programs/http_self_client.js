// An http server answering its own client: GET, POST with a body, chunked
// responses, 404, HEAD, and a refused connection.
var http = require('http');
var port = 0;
var posted = '';
var step = 0;
var body = '';
var postRes = null;

function handle(req, res) {
  if (req.url === '/missing') {
    res.statusCode = 404;
    res.end('no such page');
    return;
  }
  if (req.method === 'POST') {
    postRes = res;
    req.on('data', function (chunk) { posted = posted + chunk; });
    req.on('end', function () {
      postRes.setHeader('Content-Type', 'text/plain');
      postRes.end('got ' + posted.length + ' bytes: ' + posted);
    });
    return;
  }
  if (req.url === '/chunked') {
    res.writeHead(200, { 'X-Kind': 'chunked' });
    res.write('one,');
    res.write('two,');
    res.end('three');
    return;
  }
  res.setHeader('X-Method', req.method);
  res.end('hello ' + req.method + ' ' + req.url + ' ' + req.headers['x-test']);
}

var server = http.createServer(handle);

function show(res) {
  console.log(res.statusCode, res.statusMessage, res.headers['content-length'], res.headers['transfer-encoding'],
    res.headers['x-kind'], res.headers['x-method']);
}

function collect(res) {
  show(res);
  res.setEncoding('utf8');
  body = '';
  res.on('data', function (d) { body = body + d; });
  res.on('end', function () {
    console.log('body:', body);
    next();
  });
}

function next() {
  step = step + 1;
  var base = 'http://127.0.0.1:' + port;
  if (step === 1) http.get(base + '/hello?x=1', { headers: { 'X-Test': 'opt' } }, collect);
  else if (step === 2) {
    var req = http.request({ host: '127.0.0.1', port: port, path: '/submit', method: 'POST', headers: { 'X-Test': 'yes' } }, collect);
    req.write('abc');
    req.end('def');
  } else if (step === 3) http.get(base + '/chunked', collect);
  else if (step === 4) http.get(base + '/missing', collect);
  else if (step === 5) http.request({ host: '127.0.0.1', port: port, method: 'HEAD', path: '/head' }, collect).end();
  else if (step === 6) {
    server.close(function () {
      console.log('server closed');
      http.get({ host: '127.0.0.1', port: port, path: '/', agent: false }, function () { console.log('unexpected'); }).on('error', function (e) {
        console.log('error', e.code, e.message === 'connect ECONNREFUSED 127.0.0.1:' + port);
      });
    });
  }
}

server.listen(0, '127.0.0.1', function () {
  port = server.address().port;
  console.log('listening', typeof port, server.address().family);
  next();
});
