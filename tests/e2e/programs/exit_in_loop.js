for (var i = 0; i < 100; i++) {
  if (i === 7) {
    console.log("stop at", i);
    process.exit(7);
  }
}
