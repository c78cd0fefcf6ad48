module.exports.hello = function (who) { return 'hello ' + who; };
