// The parser reports the second constructor with its line and column.
class A {
  constructor() {}constructor() {}
}
