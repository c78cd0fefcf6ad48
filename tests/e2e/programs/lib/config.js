var settings = { name: "demo", level: 3 };
module.exports = settings;
