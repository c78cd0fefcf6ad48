#include "project/scaffold.h"

#include <fstream>
#include <iostream>
#include <stdexcept>
#include <utility>
#include <string>
#include <system_error>

#include <nlohmann/json.hpp>

namespace fs = std::filesystem;

namespace {

// Scheme and host under which the web view serves the public files and the bridge.
#define ORVAN_ORIGIN "orvan://app"

const char* const kStyleCss =
    "body{font-family:sans-serif;margin:48px;background:#0f172a;color:#e2e8f0;}h1{color:#38bdf8;}\n";

const char* const kIndexHtml =
    "<!DOCTYPE html>\n"
    "<html><head><meta charset=\"utf-8\"/>\n"
    "<link rel=\"stylesheet\" href=\"style.css\"/></head><body><h1>orvan GUI</h1><p>Native bridge: "
    "<code>fetch('" ORVAN_ORIGIN "/__bridge__/'+encodeURIComponent(JSON.stringify({cmd:\"ping\"})))</code> "
    "then listen for <code>orvan-backend</code>.</p><button id=\"b\">Ping backend</button><pre id=\"o\"></pre>"
    "<img alt=\"demo\" src=\"" ORVAN_ORIGIN "/app.svg\"/><script>\n"
    "var o=document.getElementById('o');function L(m){o.textContent+=m+'\\n';}\n"
    "window.addEventListener('orvan-backend',function(e){\n"
    " var d=e.detail||{};var s=d.payloadB64?atob(d.payloadB64):'';\n"
    " L('reply '+JSON.stringify(d)+' '+s);});\n"
    "document.getElementById('b').onclick=function(){\n"
    " var p=encodeURIComponent(JSON.stringify({cmd:'ping'}));\n"
    " fetch('" ORVAN_ORIGIN "/__bridge__/'+p).then(function(r){return r.text();})\n"
    " .then(function(t){L('fetch '+t);}).catch(function(e){L(String(e));});};\n"
    "</script></body></html>\n";

#undef ORVAN_ORIGIN

const char* const kAppSvg =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"80\"><rect fill=\"#38bdf8\" "
    "width=\"120\" height=\"80\"/><text x=\"12\" y=\"48\" font-size=\"20\" fill=\"#0f172a\">SVG</text></svg>\n";

const char* const kMainJs =
    "\"use strict\";\n"
    "console.log(\"orvan AOT main.js running\");\n";

const char* const kIslandJs =
    "\"use strict\";\n"
    "const http = require(\"http\");\n"
    "\n"
    "const server = http.createServer((req, res) => {\n"
    "  if (req.url === \"/\") {\n"
    "    res.statusCode = 200;\n"
    "    res.setHeader(\"content-type\", \"text/plain; charset=utf-8\");\n"
    "    res.end(\"hello from orvan island\");\n"
    "    return;\n"
    "  }\n"
    "  res.statusCode = 404;\n"
    "  res.end(\"not found\");\n"
    "});\n"
    "\n"
    "server.listen(48313, \"127.0.0.1\", () => {\n"
    "  console.log(\"orvan island listening on http://127.0.0.1:48313\");\n"
    "});\n";

std::string configText() {
    nlohmann::json config;
    config["entry"] = "src/main.js";
    config["quickjsIsland"] = "src/island.js";
    config["hybrid"] = true;
    config["bundlePlatform"] = "node";
    config["publicDir"] = "public";
    config["bundleDependencies"] = false;
    config["controlPlane"] = false;
    config["bundleHtml"] = nlohmann::json::array({"inline public/index.html for dev"});
    return config.dump(2) + "\n";
}

// Writes one skeleton file unless something of that name is already there; a
// user's file is never overwritten. Returns false when the file could not be
// written in full.
bool writeUnlessPresent(const fs::path& dir, const char* relName, const std::string& text) {
    const fs::path target = dir / relName;
    std::error_code ec;
    if (fs::symlink_status(target, ec).type() != fs::file_type::not_found && !ec) {
        std::cerr << "orvan: kept existing " << relName << "\n";
        return true;
    }
    std::ofstream out(target, std::ios::out | std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return out.good();
}

}  // namespace

void cmdInit(const fs::path& dir) {
    // An empty name is most likely an unset shell variable: refuse it before
    // anything is written rather than guess a folder.
    if (dir.empty()) throw std::runtime_error("orvan: -init needs a folder name, not an empty one");
    fs::create_directories(dir / "public");
    fs::create_directories(dir / "src");

    const std::pair<const char*, std::string> files[] = {
        {"orvan.config.json", configText()}, {"public/style.css", kStyleCss},
        {"public/index.html", kIndexHtml},   {"public/app.svg", kAppSvg},
        {"src/main.js", kMainJs},            {"src/island.js", kIslandJs},
    };
    std::string missing;
    for (const auto& file : files) {
        if (writeUnlessPresent(dir, file.first, file.second)) continue;
        missing += missing.empty() ? "" : ", ";
        missing += file.first;
    }

    const std::string where = fs::absolute(dir).generic_string();
    if (!missing.empty())
        throw std::runtime_error("orvan: could not write in " + where + ": " + missing);
    std::cerr << "orvan: scaffolded project in " << where << "\n";
}
