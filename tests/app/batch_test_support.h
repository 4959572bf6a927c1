#pragma once
// calorvia-batch's tests run in a fresh folder of their own, made current:
// the batch writes its result files there.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "app/batch_run.h"

namespace calorvia::batch {

class BatchRunTest : public ::testing::Test {
public:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::random_device seed;
        folder_ = std::filesystem::temp_directory_path() /
                  ("calorvia-batch-run-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(folder_, ignored);
    }

    // The options of an example case, run without the steady state added.
    static BatchOptions example(const char* name) {
        BatchOptions options;
        options.casePath = std::filesystem::path(CALORVIA_SOURCE_DIR) / "examples" / name;
        options.steady = false;
        options.dataFolders = {CALORVIA_DATA_DIR};
        return options;
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

}  // namespace calorvia::batch
