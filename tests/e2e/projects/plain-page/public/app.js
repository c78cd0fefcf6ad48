document.querySelector("h1").onclick = () => console.log("clicked");
