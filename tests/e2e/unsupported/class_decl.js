// expect: any Orvan Build Warning
class Point {
  constructor(x) {
    this.x = x;
  }
  getX() {
    return this.x;
  }
}
var p = new Point(3);
console.log(p.getX());
