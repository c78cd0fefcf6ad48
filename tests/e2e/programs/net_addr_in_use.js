// A second server on a port in use gets Node's EADDRINUSE error event; the
// first keeps serving and both end.
var net = require('net');
var port = 0;
var first = net.createServer();
var second = net.createServer();

second.on('error', function (e) {
  console.log(e.code, e.syscall, e.errno < 0, e.message.replace(String(port), 'PORT'));
  console.log('listening?', second.listening, first.listening);
  first.close(function () { console.log('first closed'); });
});

first.listen(0, '127.0.0.1', function () {
  port = first.address().port;
  second.listen(port, '127.0.0.1');
});
