var width = 5;
var height = 7;
var box = { width, height, area: width * height };
console.log(box.width, box.height, box.area);
console.log(JSON.stringify(box));
