// Keep-alive and backpressure: a large response written in pieces (write's
// result and 'drain'), read back by the client; a socket kept for several
// requests; headers as the server saw them.
var http = require('http');
var net = require('net');
var piece = 'x'.repeat(65536);
var written = 0;
var drains = 0;
var big = null;
var total = 0;
var raw = '';
var port = 0;
var sock = null;

function writeMore() {
  while (written < 64) {
    written = written + 1;
    if (!big.write(piece)) {
      drains = drains + 1;
      big.once('drain', writeMore);
      return;
    }
  }
  big.end();
}

var server = http.createServer(function (req, res) {
  if (req.url === '/big') {
    big = res;
    writeMore();
    return;
  }
  res.setHeader('X-Seen', req.headers['x-custom'] + '|' + req.rawHeaders.length + '|' + req.httpVersion);
  res.end('ok ' + req.url);
});

function rawRequests() {
  sock = net.connect(port, '127.0.0.1', function () {
    sock.write('GET /a HTTP/1.1\r\nHost: h\r\nX-Custom: one\r\n\r\n');
  });
  sock.setEncoding('utf8');
  sock.on('data', function (d) {
    raw = raw + d;
    if (raw.indexOf('ok /a') > 0 && raw.indexOf('ok /b') < 0 && raw.indexOf('/b HTTP') < 0) {
      raw = raw + '/b HTTP';
      sock.write('GET /b HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n');
    }
  });
  sock.on('end', function () {
    console.log('two answers on one socket:', raw.indexOf('ok /a') > 0, raw.indexOf('ok /b') > 0);
    console.log('keep-alive then close:', raw.indexOf('Connection: keep-alive') > 0, raw.indexOf('Connection: close') > 0);
    console.log('seen:', raw.indexOf('X-Seen: one|4|1.1') > 0);
    server.close();
  });
}

server.listen(0, '127.0.0.1', function () {
  port = server.address().port;
  http.get('http://127.0.0.1:' + port + '/big', function (res) {
    res.on('data', function (d) { total = total + d.length; });
    res.on('end', function () {
      console.log('received', total, 'bytes; writes waited for drain:', drains > 0);
      rawRequests();
    });
  });
});
