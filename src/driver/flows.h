#pragma once
#include <string>

#include "driver/cli_options.h"

// The single-file pipeline (--print-c, -compile, a bare input file). It creates the
// engine, guards its own failures and returns the process status.
int runSingleFilePipeline(CliOptions& opts, const std::string& root);

// The project pipeline (-build, build, run). Failures are thrown; main reports them.
int runProjectPipeline(const CliOptions& opts, const std::string& root, const char* argv0);
