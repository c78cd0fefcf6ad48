// Where nodes start and end decides the output's layout: blank lines kept
// between statements, comments before, after and inside nodes, and tokens
// written with and without space between them.
'use strict';
const a=[1,2,3].map((x)=>x*2),b={k:a};

const c = `head ${a.length} middle ${b.k[0]}` + `${"tail"}`;


/* before the function */
function f(x,y){return x+y;} // after the function
// alone on its line

let g = f(/* inside the call */);
if(a.length>2){g=f(a[0],a[1]);}else{g=/ab+c/gi.test(String(a))?1:0x1F;}

label: for (let i = 0; i < 2; i++) {

  // kept with the next statement
  if (i) continue label;

  g += i;
}
class K { m() { return `${this.n}`; } static s(){return new K();} }
module.exports = { a, b, c, g, K };
