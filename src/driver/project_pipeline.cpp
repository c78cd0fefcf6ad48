#include <iostream>

#include "driver/flows.h"

int runProjectPipeline(const CliOptions&, const std::string&, const char*) {
    std::cerr << "orvan: building projects is not available yet\n";
    return 1;
}
