// The server that run_http_abuse.sh attacks: it answers GET with the path and
// POST with the size of the body; short timeouts cut slow clients off.
var http = require('http');
var received = 0;
var pending = null;

function countBytes(chunk) {
  received = received + chunk.length;
}

function answerPost() {
  pending.end('got ' + received);
}

var server = http.createServer({ maxBodySize: 100000 }, function (req, res) {
  if (req.method === 'POST') {
    received = 0;
    pending = res;
    req.on('data', countBytes);
    req.on('end', answerPost);
    return;
  }
  res.end('path ' + req.url);
});
server.headersTimeout = 300;
server.keepAliveTimeout = 300;
server.listen(0, '127.0.0.1', function () {
  console.log(server.address().port);
});
