try {
  JSON.parse("{bad json");
  console.log("not reached");
} catch (e) {
  console.log(String(e).indexOf("SyntaxError") === 0);
}
console.log(JSON.stringify(undefined), JSON.stringify(null));
