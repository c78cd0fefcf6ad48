#include <exception>
#include <filesystem>
#include <iostream>

#include "driver/cli.h"
#include "driver/flows.h"
#include "project/scaffold.h"

int main(int argc, char** argv) {
    CliOptions opts;
    if (auto status = parseCommandLine(argc, argv, opts)) return *status;

    if (opts.init) {
        try {
            cmdInit(std::filesystem::path(opts.initDir));
        } catch (const std::exception& e) {
            std::cerr << e.what() << "\n";
            return 1;
        }
        return 0;
    }

    const std::string root = binDir(argv[0]);

    if (opts.project) {
        try {
            return runProjectPipeline(opts, root, argv[0]);
        } catch (const std::exception& e) {
            std::cerr << e.what() << "\n";
            return 1;
        }
    }

    if (opts.input.empty()) {
        std::cerr << "orvan: missing input.\n";
        printUsage(argv[0]);
        return 1;
    }
    if (!opts.compile) opts.printC = true;
    if (opts.compile && opts.output.empty())
        opts.output = std::filesystem::path(opts.input).stem().string() + ".out";
    return runSingleFilePipeline(opts, root);
}
