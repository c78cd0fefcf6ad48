// Function values carry their JavaScript names.
const helpers = require("./lib/greet_fn");
const api = {
  load: function () {},
  save: function persist() {},
};
const standalone = function () {};
function declared() {}
console.log(api.load, api.save, standalone, declared);
console.log(api.load.name, api.save.name, standalone.name, declared.name);
console.log(helpers, helpers.name, helpers("you"));
