// expect: 1 Tips:
function broken( {
  return 1;
}
