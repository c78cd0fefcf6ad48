// expect: 1 ❌ Orvan Build Error: Dynamic Execution
var name = "./x.js";
import(name);
