var config = { name: 'orvan', level: 3 };
module.exports = config;
