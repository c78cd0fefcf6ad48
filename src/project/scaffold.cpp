#include "project/scaffold.h"

#include <stdexcept>

void cmdInit(const std::filesystem::path&) {
    throw std::runtime_error("orvan: -init is not available yet");
}
