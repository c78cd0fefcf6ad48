#include "support/switches.h"

#include <cstdlib>
#include <cstring>

bool switchIsOn(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0' && std::strcmp(v, "0") != 0;
}
