// A runtime with the event loop but without OpenSSL: https and tls say what
// is missing instead of failing later.
#include "runtime_support.h"

namespace {

TEST(WithoutOpenSsl, HttpsAndTlsSaySo) {
    const std::string missing = " is not available: this program was built without OpenSSL (install the OpenSSL "
                                "development package, libssl-dev, and build it again)";
    JsValue e = thrownBy([] { callMember("https", "get", JS_STR("https://localhost/")); });
    EXPECT_EQ(thrownMessage(e), "https" + missing);
    EXPECT_EQ(prop(e, "code"), "ERR_FEATURE_UNAVAILABLE_ON_PLATFORM");
    EXPECT_EQ(thrownMessage(thrownBy([] { callMember("tls", "connect", JS_UNDEFINED()); })), "tls" + missing);
}

}  // namespace
