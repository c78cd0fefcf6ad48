// A server listening for 'clientError' gets the parse error and the socket for
// a malformed request and answers it itself; the server sends nothing then.
var http = require('http'), net = require('net');
var inputs = 'GARBAGE\r\n\r\n|GET / HTTP/1.1\r\nBad Header\r\n\r\n|GET / HTTP/1.1\r\nContent-Length: x\r\n\r\n|GET / HTTP/1.1\r\nContent-Length: 1\r\nTransfer-Encoding: chunked\r\n\r\n'.split('|');
var idx = 0, data = '', s;
var server = http.createServer(function (req, res) { res.end('ok'); });
server.on('clientError', function (err, socket) {
  console.log("clientError", err.name, err.code, JSON.stringify(err.message), Buffer.isBuffer(err.rawPacket), err.rawPacket.length, typeof socket.write);
  if (idx % 2) socket.end('HTTP/1.1 400 Custom\r\nConnection: close\r\n\r\n'); else { socket.write('HTTP/1.1 418 Tea\r\n\r\n'); socket.destroy(); }
});
function next() {
  if (idx === inputs.length) { server.close(); return; }
  data = '';
  s = net.connect(server.address().port, function () { s.write(inputs[idx++]); });
  s.on('data', function (d) { data += d; });
  s.on('end', function () { console.log(JSON.stringify(data)); next(); });
}
server.listen(0, next);
