#pragma once
/* Assets compiled into the program: the generated asset source defines the lookup. */
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Finds the embedded asset at `path_in` (leading slashes ignored). Returns 1 and
   fills the bytes, their length and the MIME type, or 0 when there is none. */
int jsc_embed_lookup(const char *path_in, const unsigned char **out_data, size_t *out_len,
                     const char **out_mime);

#ifdef __cplusplus
}
#endif
