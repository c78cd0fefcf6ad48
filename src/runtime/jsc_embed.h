// Lookup of the assets embedded in a web-view program (the generated
// "jsc_assets.cpp", or the stub when a build has none).
#pragma once

#include <stddef.h>

extern "C" int jsc_embed_lookup(const char *path_in, const unsigned char **out_data, size_t *out_len,
                                const char **out_mime);
