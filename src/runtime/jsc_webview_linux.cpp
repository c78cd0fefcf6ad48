// window.open in a web-view build: a GTK window holding a WebKit view whose
// origin, orvan://app, serves the files embedded in the program and the
// bridge to its compiled functions.
//
//   window.open(content, title, features, options)
//     content   the page's HTML text (loaded with base orvan://app/), a URL
//               (orvan://app/..., http://, https://, about:, data:), or the path
//               of an embedded public file ("index.html", "/docs/"); absent:
//               orvan://app/index.html
//     title     the window's title; absent: the page's own <title>
//     features  "width=900,height=700,left=10,top=10,resizable=no"
//     options   { width, height, left, top, resizable }, over the features
//
// The call returns when the window is closed (by the user, by Orvan.close() or
// by the page's window.close()); meanwhile GTK's main loop also drives the
// program's event loop, so timers, servers and the engine keep running.
// Windows open one after another: a second window while one is open is an error.

// Built installations carry this source as assembly, made once at build time.
#if __has_include("prebuilt/jsc_webview_linux.select.inc")
#include "prebuilt/jsc_webview_linux.select.inc"
#endif
#ifndef JSC_RUNTIME_ASSEMBLED
#include <gtk/gtk.h>
#include <webkit2/webkit2.h>

#include <exception>
#include <string>
#include <vector>

#include "runtime/jsc_embed.h"
#include "runtime/jsc_rt_internal.h"
#include "runtime/webview/webview.h"

#include "runtime/webview/loop_source.inc"
#include "runtime/webview/window_options.inc"
#include "runtime/webview/bridge.inc"
#include "runtime/webview/asset_scheme.inc"

namespace {

struct OpenWindow {
    GtkWidget* window = nullptr;
    WebKitWebView* view = nullptr;
    GMainLoop* loop = nullptr;
    bool loaded = false;
    bool followPageTitle = false;
    guint closeLater = 0;  // the idle call of Orvan.close(), while pending
    std::vector<std::string> pendingScripts;  // sent before the page finished loading
};

OpenWindow* g_open = nullptr;

void runScriptNow(WebKitWebView* view, const std::string& js) {
    webkit_web_view_evaluate_javascript(view, js.data(), static_cast<gssize>(js.size()), nullptr, nullptr,
                                        nullptr, nullptr, nullptr);
}

// One web context for the process: the orvan scheme is registered once.
WebKitWebContext* appContext() {
    static WebKitWebContext* context = nullptr;
    if (context) return context;
    context = webkit_web_context_get_default();
    webkit_web_context_register_uri_scheme(context, "orvan", onOrvanRequest, nullptr, nullptr);
    WebKitSecurityManager* security = webkit_web_context_get_security_manager(context);
    webkit_security_manager_register_uri_scheme_as_secure(security, "orvan");
    webkit_security_manager_register_uri_scheme_as_cors_enabled(security, "orvan");
    return context;
}

void onLoadChanged(WebKitWebView* view, WebKitLoadEvent event, gpointer data) {
    OpenWindow* w = static_cast<OpenWindow*>(data);
    // scripts sent while another page loads wait for that page
    if (event == WEBKIT_LOAD_STARTED) w->loaded = false;
    if (event != WEBKIT_LOAD_FINISHED) return;
    w->loaded = true;
    std::vector<std::string> scripts;
    scripts.swap(w->pendingScripts);
    for (const std::string& js : scripts) runScriptNow(view, js);
}

void onTitleChanged(WebKitWebView* view, GParamSpec*, gpointer data) {
    OpenWindow* w = static_cast<OpenWindow*>(data);
    const gchar* title = webkit_web_view_get_title(view);
    if (w->followPageTitle && title && *title) gtk_window_set_title(GTK_WINDOW(w->window), title);
}

// The page's window.close() closes the native window.
void onPageClose(WebKitWebView*, gpointer data) {
    OpenWindow* w = static_cast<OpenWindow*>(data);
    if (w->window) gtk_widget_destroy(w->window);
}

gboolean destroyWindowLater(gpointer data) {
    OpenWindow* w = static_cast<OpenWindow*>(data);
    w->closeLater = 0;
    if (w->window) gtk_widget_destroy(w->window);
    return G_SOURCE_REMOVE;
}

void onDestroy(GtkWidget*, gpointer data) {
    OpenWindow* w = static_cast<OpenWindow*>(data);
    if (w->closeLater) g_source_remove(w->closeLater);
    w->closeLater = 0;
    // the view may outlive this call by a little; its signals must not reach `w`
    if (w->view) g_signal_handlers_disconnect_by_data(w->view, w);
    w->window = nullptr;
    w->view = nullptr;
    g_main_loop_quit(w->loop);
}

bool hasScheme(const std::string& s) {
    for (const char* scheme : {"orvan://", "http://", "https://", "about:", "data:"})
        if (s.compare(0, std::string(scheme).size(), scheme) == 0) return true;
    return false;
}

// HTML text starts, after blanks, with "<"; anything else without a scheme is
// the path of an embedded file.
void loadContent(WebKitWebView* view, const JsValue& content) {
    if (jsrt_is_nullish(content)) {
        webkit_web_view_load_uri(view, "orvan://app/index.html");
        return;
    }
    const std::string text = jsrt_str(content);
    const std::size_t lead = text.find_first_not_of(" \t\r\n");
    if (lead != std::string::npos && text[lead] == '<') {
        webkit_web_view_load_html(view, text.c_str(), "orvan://app/");
    } else if (hasScheme(text)) {
        webkit_web_view_load_uri(view, text.c_str());
    } else {
        std::string path = text;
        while (!path.empty() && path[0] == '/') path.erase(0, 1);
        gchar* escaped = g_uri_escape_string(path.c_str(), "/", FALSE);
        webkit_web_view_load_uri(view, (std::string("orvan://app/") + escaped).c_str());
        g_free(escaped);
    }
}

void ensureDisplay() {
    static int state = 0;  // 0: not tried, 1: ready, 2: no display
    if (state == 0) state = gtk_init_check(nullptr, nullptr) ? 1 : 2;
    if (state == 2)
        jsrt_throw_error("Error", "orvan: window.open cannot open a window: no display is available "
                                  "(set DISPLAY to a running X server, or run the program under xvfb-run)");
}

}  // namespace

bool jsrt_webview_run_script(const std::string& js) {
    if (!g_open || !g_open->view) return false;
    if (g_open->loaded) runScriptNow(g_open->view, js);
    else g_open->pendingScripts.push_back(js);
    return true;
}

// The window goes once the current GTK callback has returned: a bridge call
// that closes it still gets its answer to the page first.
bool jsrt_webview_close() {
    if (!g_open || !g_open->window) return false;
    if (!g_open->closeLater)
        g_open->closeLater = g_idle_add_full(G_PRIORITY_HIGH_IDLE, destroyWindowLater, g_open, nullptr);
    return true;
}

JsValue js_window_open(const JsValue& content, const JsValue& title, const JsValue& features,
                       const JsValue& options) {
    if (!jsrt_is_nullish(content) && !jsrt_is_string(content))
        jsrt_throw_error("TypeError", "window.open expects the page's HTML, a URL or a file's path as a string. "
                                      "Received " + jsrt_inspect(content));
    const WindowOptions opts = windowOptions(features, options);
    if (g_open)
        jsrt_throw_error("Error", "orvan: window.open: a window is already open; windows open one after another");
    ensureDisplay();

    OpenWindow w;
    w.loop = g_main_loop_new(nullptr, FALSE);
    w.window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    w.followPageTitle = jsrt_is_nullish(title);
    gtk_window_set_title(GTK_WINDOW(w.window), w.followPageTitle ? "Orvan" : jsrt_to_string(title).c_str());
    gtk_window_set_default_size(GTK_WINDOW(w.window), opts.width, opts.height);
    gtk_window_set_resizable(GTK_WINDOW(w.window), opts.resizable);
    if (opts.left >= 0 || opts.top >= 0)
        gtk_window_move(GTK_WINDOW(w.window), opts.left < 0 ? 0 : opts.left, opts.top < 0 ? 0 : opts.top);

    w.view = WEBKIT_WEB_VIEW(webkit_web_view_new_with_context(appContext()));
    gtk_container_add(GTK_CONTAINER(w.window), GTK_WIDGET(w.view));
    g_signal_connect(w.view, "load-changed", G_CALLBACK(onLoadChanged), &w);
    g_signal_connect(w.view, "notify::title", G_CALLBACK(onTitleChanged), &w);
    g_signal_connect(w.view, "close", G_CALLBACK(onPageClose), &w);
    g_signal_connect(w.window, "destroy", G_CALLBACK(onDestroy), &w);
    loadContent(w.view, content);
    gtk_widget_show_all(w.window);

    g_open = &w;
    holdLoop();
    GSource* loopSource = attachLoopSource();
    g_main_loop_run(w.loop);
    detachLoopSource(loopSource);
    releaseLoop();
    g_open = nullptr;
    g_main_loop_unref(w.loop);
    // let GTK finish tearing the window down before the program goes on
    for (int i = 0; i < 100 && g_main_context_iteration(nullptr, FALSE); ++i) {
    }
    return JS_UNDEFINED();
}

#endif  // JSC_RUNTIME_ASSEMBLED
