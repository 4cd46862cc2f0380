#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace vg::view_test {

struct CliResult {
    int status;
    std::string out, err;
};

CliResult RunCliCommand(const std::vector<std::string>& args);
std::vector<std::string> Lines(const std::string& text);

// A folder of its own for the files of one test.
class CliFiles : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    // A document made by "vgraph-cli new" with the given --add arguments.
    std::string NewDocument(const std::string& name, const std::vector<std::string>& adds);

private:
    std::filesystem::path dir_;
};

}  // namespace vg::view_test
