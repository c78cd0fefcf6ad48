// A net echo server and a client: data both ways, end, close, and the
// server's close once the last connection is gone.
var net = require('net');
var received = '';
var accepted = null;
var client = null;
var port = 0;

function onServerData(d) {
  accepted.write('echo:' + d);
}

var server = net.createServer(function (socket) {
  accepted = socket;
  console.log('server: connection from', socket.remoteAddress, typeof socket.remotePort);
  socket.setEncoding('utf8');
  socket.on('data', onServerData);
  socket.on('end', function () {
    console.log('server: client ended');
  });
  socket.on('close', function (hadError) {
    console.log('server: socket closed', hadError);
    server.close(function () { console.log('server: closed'); });
  });
});

server.on('listening', function () { console.log('server: listening event'); });

server.listen(0, '127.0.0.1', function () {
  port = server.address().port;
  client = net.connect(port, '127.0.0.1', function () {
    console.log('client: connected');
    client.write('hello');
  });
  client.setEncoding('utf8');
  client.on('data', function (d) {
    received = received + d;
    if (received === 'echo:hello') client.write(' world');
    if (received === 'echo:helloecho: world') client.end();
  });
  client.on('end', function () { console.log('client: got', received); });
  client.on('close', function () {
    console.log('client: closed');
    var refused = net.connect({ port: port, host: '127.0.0.1' });
    refused.on('error', function (e) { console.log('client: error', e.code, e.syscall); });
  });
});
