try {
  throw Error("boom");
} catch (e) {
  console.log(String(e));
}
try {
  throw TypeError("bad type");
} catch (err) {
  console.log("" + err);
}
