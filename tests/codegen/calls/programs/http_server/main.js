var http = require('http');
function handle(req, res) { res.end('ok'); }
var server = http.createServer(handle);
var other = http.createServer(function (req, res) { res.end('fe'); });
var net = require('net');
var tcp = net.createServer(function (socket) { socket.end(); });
