// Attacks the server of abuse_server.js over raw sockets and checks what
// comes back; prints one line per case and exits 1 if any case failed.
// Usage: node abuse_client.js <port>
'use strict';
const net = require('net');
const port = Number(process.argv[2]);
let failed = 0;

// Sends the pieces (one write each, a turn apart), collects everything the
// server sends until it closes or `idleMs` pass without data.
function exchange(pieces, idleMs = 2000) {
  return new Promise((resolve) => {
    const s = net.connect(port, '127.0.0.1');
    let got = '';
    let closed = false;
    let timer = null;
    const finish = () => {
      clearTimeout(timer);
      s.destroy();
      resolve({ got, closed });
    };
    const arm = () => {
      clearTimeout(timer);
      timer = setTimeout(finish, idleMs);
    };
    s.on('data', (d) => {
      got += d.toString('latin1');
      arm();
    });
    s.on('close', () => {
      closed = true;
      finish();
    });
    s.on('error', () => {});
    s.on('connect', async () => {
      arm();
      for (const p of pieces) {
        if (s.destroyed) break;
        s.write(p);
        await new Promise((r) => setImmediate(r));
      }
    });
  });
}

function check(name, ok, detail) {
  console.log((ok ? 'ok   ' : 'FAIL ') + name + (ok ? '' : ': ' + JSON.stringify(detail).slice(0, 300)));
  if (!ok) failed++;
}

const get = (path) => `GET ${path} HTTP/1.1\r\nHost: x\r\n\r\n`;

async function main() {
  let r = await exchange([get('/plain')]);
  check('plain GET', r.got.startsWith('HTTP/1.1 200 OK') && r.got.endsWith('path /plain'), r);

  r = await exchange(['GARBAGE\r\n\r\n']);
  check('malformed request line gets 400 and close', r.got.startsWith('HTTP/1.1 400') && r.closed, r);

  r = await exchange(['GET / HTTP/1.1\r\nBad Header: x\r\n\r\n']);
  check('blank in a header name gets 400', r.got.startsWith('HTTP/1.1 400') && r.closed, r);

  r = await exchange(['GET / HTTP/1.1\r\nHost: x\r\nX-Big: ' + 'a'.repeat(20000) + '\r\n\r\n']);
  check('header block over 16 KiB gets 431', r.got.startsWith('HTTP/1.1 431') && r.closed, r);

  r = await exchange(['POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 3\r\nTransfer-Encoding: chunked\r\n\r\n']);
  check('length beside chunked gets 400', r.got.startsWith('HTTP/1.1 400'), r);

  const whole = 'POST /bytes HTTP/1.1\r\nHost: x\r\nContent-Length: 5\r\n\r\nhello';
  r = await exchange(whole.split(''));
  check('request split byte by byte', r.got.startsWith('HTTP/1.1 200') && r.got.endsWith('got 5'), r);

  r = await exchange([get('/one') + get('/two') + get('/three')]);
  const order = ['path /one', 'path /two', 'path /three'].map((t) => r.got.indexOf(t));
  check('pipelined requests answered in order', order[0] > 0 && order[0] < order[1] && order[1] < order[2], r);

  r = await exchange(['POST /c HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n',
    '4\r\nwiki\r\n', '5;ext=1\r\npedia\r\n', '0\r\n\r\n']);
  check('chunked request body', r.got.endsWith('got 9'), r);

  r = await exchange(['POST /c HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\nZZ\r\n']);
  check('bad chunk size gets 400', r.got.startsWith('HTTP/1.1 400') && r.closed, r);

  r = await exchange(['POST / HTTP/1.1\r\nHost: x\r\nContent-Length: 200000\r\n\r\n']);
  check('body over the limit gets 413', r.got.startsWith('HTTP/1.1 413') && r.closed, r);

  r = await exchange(['GET /half HTTP/1.1\r\nHost: x\r\n'], 5000);
  check('half a request is cut off by the head timeout', r.got.startsWith('HTTP/1.1 408') && r.closed, r);

  r = await exchange([get('/idle')], 5000);
  check('idle keep-alive connection is closed', r.got.endsWith('path /idle') && r.closed, r);

  // a thousand connections at once, dropped without a word
  const sockets = [];
  await Promise.all(Array.from({ length: 1000 }, () => new Promise((resolve) => {
    const s = net.connect(port, '127.0.0.1', resolve);
    s.on('error', resolve);
    sockets.push(s);
  })));
  for (const s of sockets) s.destroy();
  // a slow (sanitized) server may still be closing the dropped ones: ask again a few times
  for (let i = 0; i < 5; i++) {
    r = await exchange([get('/after')]);
    if (r.got.endsWith('path /after')) break;
    await new Promise((resolve) => setTimeout(resolve, 500));
  }
  check('serves after 1000 dropped connections', r.got.endsWith('path /after'), r);

  process.exit(failed ? 1 : 0);
}

main();
