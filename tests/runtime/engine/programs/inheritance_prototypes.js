function Animal(name) { this.name = name; }
Animal.prototype.speak = function () { return `${this.name} makes a sound`; };
function Dog(name) { Animal.call(this, name); }
Dog.prototype = Object.create(Animal.prototype); Dog.prototype.constructor = Dog;
Dog.prototype.speak = function () { return Animal.prototype.speak.call(this) + ' (woof)'; };
const d = new Dog('Rex'); console.log(d.speak(), d instanceof Animal, d);
class Base { static create() { return new this(); } #secret = 42; get secret() { return this.#secret; } static #count = 0; static inc() { return ++Base.#count; } }
class Derived extends Base { describe() { return `derived ${this.secret}`; } }
console.log(Derived.create().describe(), Base.inc(), Base.inc(), Derived.name, new Derived());
const mixin = (B) => class extends B { mixed() { return true; } };
class Mixed extends mixin(Base) {}
console.log(new Mixed().mixed(), Object.getOwnPropertyNames(Mixed.prototype), typeof Mixed, Mixed);
console.log(class {}, function named() {}, () => {}, async () => {}, function* gen() {}, Math.max);
