// https: the http module's server and client with TLS as the transport.
(function (native, internal, module, exports) {
'use strict';
const http = internal.require('http');
const tls = internal.require('tls');

const transport = { protocol: 'https:', defaultPort: 443, connect: (options) => tls.connect(options) };

function Server(options, handler) {
  if (!(this instanceof Server)) return new Server(options, handler);
  if (typeof options === 'function') { handler = options; options = {}; }
  options = options || {};
  http.Server.call(this, options, handler);
  internal.secureServer(this, options);
}
Object.setPrototypeOf(Server.prototype, http.Server.prototype);
Object.setPrototypeOf(Server, http.Server);

function createServer(options, handler) { return new Server(options, handler); }

function request(input, options, cb) { return new http.ClientRequest(input, options, cb, transport); }
function get(input, options, cb) {
  const req = request(input, options, cb);
  req.end();
  return req;
}

module.exports = { Agent: http.Agent, globalAgent: new http.Agent(), Server, createServer, request, get };
})
