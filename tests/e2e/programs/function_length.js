// fn.length of function values that are not declarations, and writes to it.

// plain, named and immediately-invoked function expressions
var none = function () {};
var two = function (a, b) { return a + b; };
var named = function inner(a, b, c) { return a; };
console.log(none.length, two.length, named.length, two(1, 2));
console.log((function (a, b, c, d) { return a; }).length);
console.log((function me(a, b) { return me.length; })(1, 2));
var outer = function (a) { var nested = function (x, y) { return x; }; return nested.length + a; };
console.log(outer(10), outer.length);

// arrows
var one = x => x;
var pair = (x, y) => x * y;
var empty = () => 0;
console.log(one.length, pair.length, empty.length, pair(3, 4));

// defaults, rest and destructured parameters
var firstDefault = function (a = 1, b) { return a; };
var midDefault = function (a, b = 2, c) { return a + b; };
var arrowDefault = (p, q = 5) => p + q;
var restOnly = function (...all) { return 0; };
var restAfter = function (a, b, ...more) { return a; };
var destructured = function ({ p }, [q], r) { return r; };
var patternDefault = function (a, { p } = {}, c) { return a; };
console.log(firstDefault.length, midDefault.length, arrowDefault.length);
console.log(restOnly.length, restAfter.length, destructured.length, patternDefault.length);
console.log(midDefault(1), midDefault(1, 10), arrowDefault(1), firstDefault());

// methods of object literals
var obj = {
  short(a, b) { return a; },
  prop: function (x) { return x; },
  arrow: (u, v, w) => u,
  withDefault(a, b = 1) { return a; },
};
console.log(obj.short.length, obj.prop.length, obj.arrow.length, obj.withDefault.length);
console.log(obj.short.name, obj.prop.name, obj.arrow.name, obj.withDefault.name);

// callbacks: the callee reads the length of what it is given
function arityOf(cb) { return cb.length; }
console.log(arityOf(function (err, data) {}), arityOf((a) => a), arityOf(function () {}), arityOf(two));
var doubled = JSON.parse("[1, 2, 3]").map(function (v, i) { return v * 2 + i; });
console.log(doubled.join(","));

// function values from another module
var lib = require("./lib/fn_values");
console.log(lib.pair.length, lib.arrow.length, lib.withDefault.length, lib.withDefault(1));
console.log(lib.declared.length, lib.declared(1));

// declared functions with defaults, nested ones too
function declDefault(a, b = 1, c) { return a + b; }
function outerDecl(x = 0) { function innerDecl(p, q = 2) { return p + q; } return innerDecl.length + x; }
console.log(declDefault.length, outerDecl.length, outerDecl(), declDefault(1), arityOf(declDefault));

// length is read-only (writes are ignored) but can be deleted; name stays as it was
two.length = 5;
two["length"] = 6;
var key = "length";
two[key] = 7;
console.log(two.length, Object.keys(two).length, "length" in two, two.name);
function declared(a, b, c) { return a; }
declared.length = 9;
console.log(declared.length, declared.name);
console.log(delete pair.length, pair.length, pair.name, pair(2, 3));
console.log(delete declared.length, declared.length);

// length and name are own properties of every function until deleted; neither is enumerable
function ownProps(a, b) { return a; }
var expr = function (x) { return x; };
console.log(ownProps.hasOwnProperty("length"), ownProps.hasOwnProperty("name"), ownProps.hasOwnProperty("other"));
console.log(expr.hasOwnProperty("length"), expr.hasOwnProperty("name"), Math.max.hasOwnProperty("name"));
console.log(Object.prototype.hasOwnProperty.call(expr, "length"), Object.keys(ownProps).length, "name" in ownProps);
console.log(delete ownProps.length, ownProps.hasOwnProperty("length"), ownProps.length, "length" in ownProps);
console.log(delete ownProps.name, ownProps.hasOwnProperty("name"), JSON.stringify(ownProps.name), "name" in ownProps);
console.log(ownProps(4), expr.hasOwnProperty("name"), expr.name);
