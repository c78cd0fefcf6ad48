import React, { useState } from "react";
import { createRoot } from "react-dom/client";

function callBackend(request) {
  const url = "orvan://app/__bridge__/" + encodeURIComponent(JSON.stringify(request));
  return fetch(url).then((r) => r.text());
}

function App() {
  const [answer, setAnswer] = useState("");
  return (
    <main>
      <h1 id="heading">Hello from React</h1>
      <button id="ask" onClick={() => callBackend({ cmd: "greet", name: "react" }).then(setAnswer)}>
        Ask backend
      </button>
      <p id="answer">{answer}</p>
    </main>
  );
}

createRoot(document.getElementById("root")).render(<App />);
