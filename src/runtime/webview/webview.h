// What the two web-view sources share: the window that window.open has open,
// seen from the `Orvan` object's members.
#pragma once

#include <string>

// Runs a script in the open window's page; one sent before the page has
// finished loading waits for it. False when no window is open.
bool jsrt_webview_run_script(const std::string& js);
// Closes the open window (window.open then returns). False when none is open.
bool jsrt_webview_close();
