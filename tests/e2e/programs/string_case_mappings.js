// Case changes where one character becomes several or depends on its
// neighbours: ligatures and sharp s grow, dotted capital I keeps its dot,
// capital sigma ends a word as final sigma.
function show(label, s) {
  var codes = '';
  for (var i = 0; i < s.length; i++) codes += (i ? ' ' : '') + s.charCodeAt(i).toString(16);
  console.log(label, s.length, JSON.stringify(s), codes);
}
show('fi', '\ufb01'.toUpperCase());
show('office', 'o\ufb03ce stra\u00dfe'.toUpperCase());
show('armenian', '\u0587'.toUpperCase());
show('greek iota', '\u0390 \u1f80 \u1fb3 \u1ff7'.toUpperCase());
show('n apostrophe', '\u0149'.toUpperCase());
show('dotted I', '\u0130stanbul'.toLowerCase());
show('dotted I upper', '\u0130'.toUpperCase());
show('sigma word', '\u039f\u0394\u03a5\u03a3\u03a3\u0395\u03a5\u03a3'.toLowerCase());
show('sigma alone', '\u03a3'.toLowerCase());
show('sigma inner', '\u03a3\u0391\u03a3 \u0391\u03a3. \u0391\u03a3\u0391 A\u03a3b'.toLowerCase());
show('sigma mark', '\u0391\u03a3\u0301 \u0391\u0301\u03a3'.toLowerCase());
show('sigma apostrophe', "\u0391\u03a3'\u0391 \u0391'\u03a3".toLowerCase());
show('round trip', '\u03c2\u03c3'.toUpperCase());
show('astral', '\ud801\udc28\ud801\udc00'.toUpperCase() + '\ud801\udc00'.toLowerCase());
show('plain', 'Hello World \u00e9\u00c9'.toUpperCase() + 'Hello World \u00e9\u00c9'.toLowerCase());
show('locale forms', '\ufb02'.toLocaleUpperCase() + '\u0130'.toLocaleLowerCase());
