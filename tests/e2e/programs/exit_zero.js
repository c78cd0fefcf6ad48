function main() {
  console.log("work done");
  process.exit(0);
}
main();
console.log("not printed");
