#include <iostream>

#include "driver/flows.h"

int runSingleFilePipeline(CliOptions&, const std::string&) {
    std::cerr << "orvan: compiling single files is not available yet\n";
    return 1;
}
