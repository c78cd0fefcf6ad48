function finish() {
  console.log("work done");
  process.exit(0);
}
finish();
console.log("not printed");
