console.log("Hello from a native executable!");
