#pragma once
// calorvia-batch's tests run in a program folder of their own, made current:
// the batch writes its result files there.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/batch_run.h"
#include "support/program_folder.h"

namespace calorvia::batch {

class BatchRunTest : public calorvia::testing::ProgramFolderTest {
public:
    // The options of an example case, run without the steady state added.
    static BatchOptions example(const char* name) {
        BatchOptions options;
        options.casePath = std::filesystem::path(CALORVIA_SOURCE_DIR) / "examples" / name;
        options.steady = false;
        options.dataFolders = {CALORVIA_DATA_DIR};
        return options;
    }
    // The run of `options`, its messages left in the record only.
    static BatchRun runQuietly(const BatchOptions& options) {
        std::ostringstream messages;
        return runCase(options, nullptr, messages);
    }
};

}  // namespace calorvia::batch
