console.log('never runs');
function broken() {
  return 1 +;
}
