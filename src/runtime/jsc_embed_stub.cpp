// Asset lookup for web-view builds without a public folder: nothing is embedded.
#include "runtime/jsc_embed.h"

extern "C" int jsc_embed_lookup(const char *path_in, const unsigned char **out_data, size_t *out_len,
                                const char **out_mime) {
    (void)path_in;
    (void)out_data;
    (void)out_len;
    (void)out_mime;
    return 0;
}
