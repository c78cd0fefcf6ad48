// == and != follow JavaScript's abstract equality; === and !== (and switch) compare strictly.
console.log(null == undefined, null === undefined, null != undefined, null !== undefined);
console.log(1 == "1", 1 === "1", 0 == "", "0" == false, false == "", true == 1, true == "1");
console.log(null == 0, undefined == 0, null == false, NaN == NaN, NaN != NaN);
console.log(({}) == "[object Object]", ({}) == 1, ({}) != "x", "1" == 1.0);
const o = {};
const p = o;
console.log(o == p, o == {}, o === p, o != {});
let missing;
console.log(missing == null, missing === void 0, missing != null, 0 != null, "" != null);
function kind(v) {
  switch (v) {
    case 1: return "number one";
    case "1": return "string one";
    case null: return "null";
    case undefined: return "undefined";
    default: return "other";
  }
}
console.log(kind(1), kind("1"), kind(null), kind(undefined), kind(false));
const opts = { retries: 0 };
opts.retries ??= 5;
opts.timeout ??= 30;
let unset;
unset ??= "filled";
console.log(opts.retries, opts.timeout, unset);
const money = { valueOf: function () { return 42; } };
const label = { toString: function () { return "L"; } };
console.log(money == 42, money + 1, "" + label, label == "L", money === 42);
