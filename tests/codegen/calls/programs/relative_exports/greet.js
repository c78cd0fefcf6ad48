function greet(who) { return 'hello, ' + who; }
module.exports = greet;
