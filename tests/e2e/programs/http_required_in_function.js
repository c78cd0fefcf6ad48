// A server made inside a function, from a require inside that function,
// still serves: the program must not end before its client is answered.
var server = null;
var http = null;
var status = 0;

function answer(req, res) {
  res.end('served ' + req.url);
}

function start() {
  http = require('http');
  server = http.createServer(answer);
  server.listen(0, '127.0.0.1', function () {
    http.get('http://127.0.0.1:' + server.address().port + '/inner', function (res) {
      status = res.statusCode;
      res.setEncoding('utf8');
      res.on('data', function (d) { console.log(status, d); });
      res.on('end', function () { server.close(); });
    });
  });
}

start();
