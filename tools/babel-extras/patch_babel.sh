#!/usr/bin/env bash
# Writes babel.min.js with a few costs removed; the output text stays the same
# for every input.
# - Lowering a `let` or `const` to `var` walks every statement of the enclosing
#   scope to rename block-level function declarations of the same name, so a
#   program of N top-level `let`s took N walks of itself (5 000 statements:
#   minutes). The program scope now records every name ever bound to a
#   function declaration (at registration and on rename), and the walk runs
#   only when one of the declaration's names is among them: the walk renames
#   nothing otherwise.
# - The traversal caches (node to path, node to scope) live as long as the
#   library. Their keys are weak, but each entry's path points back at its key,
#   and the engine keeps such a pair alive for as long as the cache lives, so
#   every tree ever transformed stayed in memory. `transform` empties both
#   caches when it returns: a tree is not visited again once its text is out.
# - The async-generator plugin walks the whole program looking for async
#   functions. A source without the word "async" has none (the keyword cannot
#   be written with escapes), so the walk is left out; a tree given without
#   its text is still walked.
# - Before transforming, the whole tree is walked twice looking for a
#   source-map comment. A source without comments has none, so the walks
#   are left out (all they would do is set each node's comment lists to
#   undefined, which reads the same as leaving them unset).
# - The CommonJS rewrite walks the program's top level to add export
#   assignments after declarations of exported names; with nothing exported
#   the walk changes nothing and is left out.
# - The same rewrite then walks the whole program once more to replace
#   references to imported and exported names. With neither, the only thing
#   the walk can still do is requeue update expressions (`x++` on a name bound
#   at the top level), so it visits those alone: every other visitor would
#   look its name up in the two empty maps and change nothing.
# - The traversal loops over visitor keys and visitor functions with Babel's
#   for-of helper: per loop an iterator, a bound `next` and per step a native
#   call and a result object. Those loops always walk arrays, so they index
#   them; the helper itself walks an array by index too (an array's own
#   iterator reads the same elements in the same order).
# - Each visit of a list or a child made a WeakSet of the nodes seen in its
#   queue and an empty priority queue. Most queues hold one path: the set is
#   made from the second node on (a plain Set; it lives only during the
#   visit), the priority queue when something is first put in it.
# - Making a path for a child went through an options object per call; the
#   traversal now passes the same values directly.
# - Every path had an array of the traversal contexts it is being visited in,
#   empty once its visit ends, and paths outlive the traversal: one empty
#   array per node of the program stayed in memory to the end. A path out of
#   every visit now shares one empty array (only ever read: the array a path
#   pushes to is its own, made on its first push).
# - Visiting a path read its removed, shouldSkip, shouldStop and inList
#   properties, each a getter call on the path's prototype; the visit reads
#   the flag bits (and writes shouldStop's bit) the accessors stand for.
# - The scope of a path that has one is found on every visit. The Scope
#   constructor answers from its cache of scopes too, but only after giving the
#   new object its eleven fields, and that object is then dropped: the path
#   now asks the cache first, as the constructor does.
# - Each token made a new Position for its start, even when it starts right
#   where the previous token ended (`a.b(c);` has six such starts): that
#   token's end Position already holds the same line, column and index, so it
#   is taken instead. Positions are never changed once made (an offset makes a
#   new one), so sharing one is safe; nodes already share them.
# - Position and SourceLocation set each field to undefined before setting it
#   again. A Position's fields keep their order without that. A SourceLocation
#   gets its filename and identifierName only when the parser has one to give
#   (most nodes have neither): reading one that is absent gives the same
#   undefined, and nothing lists a location's keys. A location then holds two
#   fields (three for an identifier) instead of four.
# - The printer unpacked each node type's [print method, type id, parens
#   check] entry through the array-destructuring helper, two calls per printed
#   node that hand back the same array (every entry is an array the printer
#   made itself): it is indexed directly.
# - Finding a path's scope asks whether its node makes one (isScope) at every
#   visit and again when the visit ends: four type checks through as many
#   calls. A node whose type is neither scopable, nor a pattern, nor a block,
#   nor a placeholder makes none whatever its parent, so one table lookup
#   answers for those (nearly every node); setting a path's scope makes that
#   lookup itself before asking the path, and calls the scope's init only
#   when it has not run yet.
# - Each child path is looked up in its parent node's map of paths, found
#   through a weak map keyed by the parent. The children of one node are made
#   one after another, so the last parent and its map are kept and asked
#   first; clearing the cache forgets them (entries are never removed one by
#   one, only the whole cache is replaced).
# - A path's fields start on the NodePath prototype (null, the shared empty
#   context list, flags 0) instead of being set one by one on each new path,
#   and a visit clears flags only when they are set. A path then
#   holds as own properties only what it was given (13 fields where it had
#   17), which keeps the engine's property array of every path a size class
#   smaller; every path lives as long as its node. Nothing lists a path's
#   keys or asks whether a field is its own, and reading a field absent from
#   the path gives the prototype's value, the one it was set to before.
# - Visiting a node's children made a traversal context before looking at
#   them, also for a node whose children are all absent (an identifier's type
#   annotation and decorators, say): the context is made at the first child
#   there is. Bringing a path up to date with its parent (resync) ran three
#   functions through `call` per visit; their tests are made in place and the
#   search for a moved node runs only when the node is not where it was.
#   Calling a visitor's handler lists skips the call when there is no list.
# - A visit logged three debug lines through the path's debug method, which
#   looks whether the "babel" debug namespace is enabled and returns; the
#   visit now looks first and calls the method only when it is (the method
#   looks again, so what is logged is unchanged). The visit's denylist test
#   is made in place instead of through the path's isDenylisted method.
# - The steps of a visit (resync, pushing and popping the context, setting
#   the scope, setting up a new path and its key) were run through
#   Function.prototype.call on the module's functions; they are called as the
#   path's own methods instead, which are those same functions (NodePath's
#   prototype gets them under these names), without the native call between.
# - Each node's child paths were cached in a Map of their own (a Map object,
#   its table and one record per child: about 350 bytes for the two children
#   a node typically has, and there is one such Map per node with children).
#   They are kept in a plain array of node, path pairs instead, searched in
#   order; an array that would pass 16 pairs moves them into a Map (under
#   `byNode`, the array then left empty, which is what tells the two apart), so
#   a body of thousands of statements is not searched pair by pair. The lookup
#   for a new child path is written in place: it runs for every child visited.
#   Nothing but the path functions reads these caches, and none of them
#   depends on the order of a node's children in it (renumbering keys after an
#   insertion visits each path once, whatever the order).
# - type_checks.js turns the node-type checks' `switch` over type names into
#   table lookups (see its header).
# Usage: patch_babel.sh <babel.min.js> <output>
set -euo pipefail
in=$1 out=$2
record='(o.__jscHoisted||(o.__jscHoisted=Object.create(null)))'
pieces=(
  'o.references[u]=!0;'
  'o.references[u]=!0;"hoisted"===e&&('"$record"'[u]=!0);'
  'r&&(t||(t=this.generateUidIdentifier(e).name),new Dw(r,e,t).rename(arguments[2]))'
  'r&&(t||(t=this.generateUidIdentifier(e).name),"hoisted"===r.kind&&(function(o){'"$record"'[t]=!0})(this.getProgramParent()),new Dw(r,e,t).rename(arguments[2]))'
  'm.path.traverse(pme,{names:n})'
  '(function(o){return!!o&&n.some(function(x){return o[x]})})(m.getProgramParent().__jscHoisted)&&m.path.traverse(pme,{names:n})'
  'function WSe(e,t){return GV(e,GSe(t))}'
  'function WSe(e,t){try{return GV(e,GSe(t))}finally{Gw.clear()}}'
  'visitor:{Program:function(e,t){e.traverse(a,t)}}'
  'visitor:{Program:function(e,t){(!t.file.code||/async/.test(t.file.code))&&e.traverse(a,t)}}'
  'var k={metadata:t,requeueInParent:o,scope:e.scope,exported:s};e.traverse(vB,k);'
  'var k={metadata:t,requeueInParent:o,scope:e.scope,exported:s};s.size&&e.traverse(vB,k);'
  'function wV(e,t){var r=null;return hV(t,'
  'function wV(e,t){var r=null;return Array.isArray(t.comments)&&!t.comments.length||hV(t,'
  'function i(e,t){var r="undefined"!=typeof Symbol&&e[Symbol.iterator]||e["@@iterator"];'
  'function i(e,t){if(Array.isArray(e)){var n=0;return function(){return n>=e.length?{done:!0}:{done:!1,value:e[n++]}}}var r="undefined"!=typeof Symbol&&e[Symbol.iterator]||e["@@iterator"];'
  'for(var a,n=i(r);!(a=n()).done;){if(e[a.value])return!0}return!1}'
  'for(var n=0;n<r.length;n++){if(e[r[n]])return!0}return!1}'
  'for(var l,u=i(d);!(l=u()).done;){var p=l.value;if((null==s||!s[p])&&c.visit(e,p))return!0}return!1}'
  'for(var u=0;u<d.length;u++){var p=d[u];if((null==s||!s[p])&&e[p]&&(c||(c=new RN(r,t,a,n))).visit(e,p))return!0}return!1}'
  'function SN(e){if(!e)return!1;for(var t,r=i(e);!(t=r()).done;){var a=t.value;'
  'function SN(e){if(!e)return!1;for(var r=0;r<e.length;r++){var a=e[r];'
  'this.queue=e,this.priorityQueue=[];for(var t=new WeakSet,r=!1,a=0;a<e.length;){var n=e[a];if(a++,ON.call(n),0!==n.contexts.length&&n.contexts[n.contexts.length-1]===this||qN.call(n,this),null!==n.key){var s=n.node;if(!t.has(s)){if(s&&t.add(s),n.visit()){r=!0;break}if(this.priorityQueue.length&&(r=this.visitQueue(this.priorityQueue),this.priorityQueue=[],'
  'this.queue=e,this.priorityQueue=null;for(var t=null,d=null,r=!1,a=0;a<e.length;){var n=e[a];if(a++,n.resync(),0!==n.contexts.length&&n.contexts[n.contexts.length-1]===this||n.pushContext(this),null!==n.key){var s=n.node;if(!(t?t.has(s):!!s&&s===d)){if(s&&(t?t.add(s):null===d?d=s:(t=new Set).add(d).add(s)),n.visit()){r=!0;break}if(null!==this.priorityQueue&&this.priorityQueue.length&&(r=this.visitQueue(this.priorityQueue),this.priorityQueue=null,'
  'this.queue&&(t?this.queue.push(e):this.priorityQueue.push(e))'
  'this.queue&&(t?this.queue.push(e):(this.priorityQueue||(this.priorityQueue=[])).push(e))'
  'return uN.get({parentPath:n,parent:e,container:t,key:r,listKey:a,hub:s})'
  'return uN.getAt(s,n,e,t,a,r)'
  'e.get=function(t){var r=t.hub,a=t.parentPath,n=t.parent,s=t.container,o=t.listKey,i=t.key;if('
  'e.get=function(t){return e.getAt(t.hub,t.parentPath,t.parent,t.container,t.listKey,t.key)},e.getAt=function(r,a,n,s,o,i){if('
  'return uN.get({listKey:e,parentPath:r,parent:a,container:n,key:o}).setContext(t)}):uN.get({parentPath:this,parent:a,container:a,key:e}).setContext(t)'
  'return uN.getAt(void 0,r,a,n,e,o).setContext(t)}):uN.getAt(void 0,this,a,a,void 0,e).setContext(t)'
  'o&&p.unshiftContainer("body",js(RB(o)))}}};function wB('
  'o&&p.unshiftContainer("body",js(RB(o)))}}},jBu={UpdateExpression:jB.UpdateExpression};function wB('
  'e.traverse(jB,C)}(e,S,g)'
  'e.traverse(n.size||s.size?jB:jBu,C)}(e,S,g)'
  'lN=4,uN=function(){function e(e,t){this.contexts=[],'
  'lN=4,pathNoContexts=[],uN=function(){function e(e,t){'
  'function qN(e){this.contexts.push(e),'
  'function qN(e){this.contexts===pathNoContexts?this.contexts=[e]:this.contexts.push(e),'
  'function UN(){this.contexts.pop(),this.contexts.length>0?this.setContext(this.contexts[this.contexts.length-1]):this.setContext(void 0)}'
  'function UN(){this.contexts.pop(),this.contexts.length>0?this.setContext(this.contexts[this.contexts.length-1]):(this.contexts=pathNoContexts,this.setContext(void 0))}'
  'function ON(){this.removed||(BN.call(this),MN.call(this),FN.call(this))}'
  'function ON(){if(!(1&this._traverseFlags)){this.parentPath&&(this.parent=this.parentPath.node);var e;this.parent&&this.listKey&&(e=this.parent[this.listKey],this.container!==e&&(this.container=e||null)),this.container&&this.node!==this.container[this.key]&&FN.call(this)}}'
  'function MN(){if(this.parent&&this.inList){'
  'function MN(){if(this.parent&&this.listKey){'
  'return this.shouldSkip||EN.call(this,"enter")?(this.debug("Skip..."),this.shouldStop):(PN(this,r),this.debug("Recursing into..."),this.shouldStop=wN(this.node,this.opts,this.scope,this.state,this,this.skipKeys),PN(this,r),EN.call(this,"exit"),this.shouldStop)}'
  'return(4&this._traverseFlags)>0||EN.call(this,"enter")?(iN.enabled&&this.debug("Skip..."),(2&this._traverseFlags)>0):(PN(this,r),iN.enabled&&this.debug("Recursing into..."),wN(this.node,this.opts,this.scope,this.state,this,this.skipKeys)?this._traverseFlags|=2:2&this._traverseFlags&&(this._traverseFlags&=-3),PN(this,r),EN.call(this,"exit"),(2&this._traverseFlags)>0)}'
  'this.isLookahead||(this.state.startLoc=this.state.curPosition())'
  'this.isLookahead||(this.state.startLoc=this.state.endLoc.index===this.state.pos+this.state.startIndex?this.state.endLoc:this.state.curPosition())'
  'function(e,t,r){this.line=void 0,this.column=void 0,this.index=void 0,this.line=e,this.column=t,this.index=r}'
  'function(e,t,r){this.line=e,this.column=t,this.index=r}'
  'function(e,t){this.start=void 0,this.end=void 0,this.filename=void 0,this.identifierName=void 0,this.start=e,this.end=t}'
  'function(e,t){this.start=e,this.end=t}'
  'f=y(u,3),g=f[0],m=f[1],h=f[2]'
  'f=u,g=f[0],m=f[1],h=f[2]'
  't.getScope=function(e){return this.isScope()?new GE(this):e}'
  't.getScope=function(e){if(!this.isScope())return e;var r=Fw.get(this.node);return r&&r.path===this?r:new GE(this)}'
  'function Vy(e,t){return'
  'var Vy$types;function Vy(e,t){if(e&&!(Vy$types||(er({type:""}),pr({type:""}),Vy$types=Object.assign(Object.create(null),er$types,pr$types,{BlockStatement:!0,Placeholder:!0})))[e.type])return!1;return'
  'function Mw(){Bw=new WeakMap}'
  'function Mw(){Bw=new WeakMap,lastCachedParent=null,lastCachedPaths=null}var lastCachedParent=null,lastCachedPaths=null;'
  'function qw(e,t){var r=Bw.get(e);return r||Bw.set(e,r=new Map),r}'
  'function qw(e,t){if(e===lastCachedParent)return lastCachedPaths;var r=Bw.get(e);return r||Bw.set(e,r=[]),lastCachedParent=e,lastCachedPaths=r}''function pcSet(c,k,v){var m,i;for(i=0;i<c.length;i+=2)if(c[i]===k)return c[i+1]=v,c;if(!c.length&&(m=c.byNode))return m.set(k,v),c;if(c.length<32)return c.push(k,v),c;for(m=c.byNode=new Map,i=0;i<c.length;i+=2)m.set(c[i],c[i+1]);return c.length=0,m.set(k,v),c}function pcDelete(c,k){for(var i=0;i<c.length;i+=2)if(c[i]===k)return c.splice(i,2),!0;return!c.length&&!!c.byNode&&c.byNode.delete(k)}function pcEach(c,f){if(c.length)for(var i=1;i<c.length;i+=2)f(c[i]);else c.byNode&&c.byNode.forEach(f)}'
  'var d=s[i],c=qw(n),l=c.get(d);return l||(l=new e(r,n),d&&c.set(d,l)),'
  'var d=s[i],c=qw(n),l;for(var q=0;q<c.length;q+=2)if(c[q]===d){l=c[q+1];break}return!l&&!c.length&&c.byNode&&(l=c.byNode.get(d)),l||(l=new e(r,n),d&&pcSet(c,d,l)),'
  '(null==(e=Uw(this))||e.delete(this.node))'
  '(null==(e=Uw(this))||pcDelete(e,this.node))'
  'var r=Uw(this);if(r)for(var a,n=i(r);!(a=n()).done;){var s=y(a.value,2)[1];"number"==typeof s.key&&s.container===this.container&&s.key>=e&&(s.key+=t)}'
  'var r=Uw(this),c=this.container;if(r)pcEach(r,function(s){"number"==typeof s.key&&s.container===c&&s.key>=e&&(s.key+=t)})'
  'null==(t=Uw(this))||t.set(e,this).delete(this.node)'
  'null==(t=Uw(this))||pcDelete(pcSet(t,e,this),this.node)'
  'null==(t=Uw(this))||t.delete(this.node)'
  'null==(t=Uw(this))||pcDelete(t,this.node)'
  'this.state=null,this._traverseFlags=0,this.skipKeys=null,this.parentPath=null,this.container=null,this.listKey=null,this.key=null,this.node=null,this.type=null,this._store=null,this.parent=t,this.hub=e,this.data=null,this.context=null,this.scope=null}'
  'this.parent=t,this.hub=e}'
  'var t=e.prototype;return t.getScope='
  'var t=e.prototype;return t.contexts=pathNoContexts,t.state=null,t._traverseFlags=0,t.skipKeys=null,t.parentPath=null,t.container=null,t.listKey=null,t.key=null,t.node=null,t.type=null,t._store=null,t.data=null,t.context=null,t.scope=null,t.getScope='
  'function NN(e){return null!=this.skipKeys&&(this.skipKeys={}),this._traverseFlags=0,'
  'function NN(e){return null!=this.skipKeys&&(this.skipKeys={}),0!==this._traverseFlags&&(this._traverseFlags=0),'
  'var c=new RN(r,t,a,n);if(o)return(null==s||!s[n.parentKey])&&c.visitQueue([n]);'
  'var c=null;if(o)return(null==s||!s[n.parentKey])&&new RN(r,t,a,n).visitQueue([n]);'
  'this.scope=this.getScope(r),null==(t=this.scope)||t.init()}}'
  'var d=this.node;this.scope=Vy$types&&d&&!Vy$types[d.type]?r:this.getScope(r),null==(t=this.scope)||t.inited||t.init()}}'
  'function AN(){var e,t;if(!this.node)return!1;if(this.isDenylisted())return!1;'
  'function AN(){var e,t;if(!this.node)return!1;if(null==(t=null!=(e=this.opts.denylist)?e:this.opts.blacklist)?void 0:t.includes(this.node.type))return!1;'
  'for(var o=0;o<a;o++)UN.call(e[o])'
  'for(var o=0;o<a;o++)e[o].popContext()'
  'this.opts=e.opts),DN.call(this),this}'
  'this.opts=e.opts),this.setScope(),this}'
  'GN.call(l,a,s,o,i)'
  'l.setup(a,s,o,i)'
  'this.parentPath=e||this.parentPath,WN.call(this,a)}'
  'this.parentPath=e||this.parentPath,this.setKey(a)}'
  'function EN(e){var t,r=this.opts;return this.debug(e),!(!this.node||!SN.call(this,r[e]))||!!this.node&&SN.call(this,null==(t=r[this.node.type])?void 0:t[e])}'
  'function EN(e){var t,a,r=this.opts;return iN.enabled&&this.debug(e),!(!this.node||!(a=r[e])||!SN.call(this,a))||!!this.node&&!!(a=null==(t=r[this.node.type])?void 0:t[e])&&SN.call(this,a)}'
)
for ((i = 0; i < ${#pieces[@]}; i += 2)); do
  count=$(grep -oF -- "${pieces[i]}" "$in" | wc -l)
  if [[ $count != 1 ]]; then
    echo "patch_babel.sh: expected one '${pieces[i]}' in $in, found $count" >&2
    exit 1
  fi
done
node -e '
  const fs = require("fs");
  const [inp, out, ...pairs] = process.argv.slice(1);
  let text = fs.readFileSync(inp, "utf8");
  for (let i = 0; i < pairs.length; i += 2) text = text.split(pairs[i]).join(pairs[i + 1]);
  fs.writeFileSync(out + ".tmp", text);
' "$in" "$out" "${pieces[@]}"
node "$(dirname "$0")/type_checks.js" "$out.tmp"
mv -f "$out.tmp" "$out"
