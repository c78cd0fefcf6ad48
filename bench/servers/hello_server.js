// The hello server of the http load benchmark: one short text per request,
// keep-alive. Prints its port once listening.
var http = require('http');
var server = http.createServer(function (req, res) {
  res.setHeader('Content-Type', 'text/plain');
  res.end('Hello, World!\n');
});
server.listen(0, '127.0.0.1', function () {
  console.log(server.address().port);
});
