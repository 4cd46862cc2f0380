#pragma once
// vgraph-cli run in-process as the suites run it: its exit status and both
// streams, and a folder of its own for the files of each test.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "cli/cli.h"

namespace vg::test {

struct CliResult {
    int status;
    std::string out, err;
};

inline CliResult RunCliCommand(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A folder of its own for the files of one test, removed after it; named by
// process and test so that suites running at once never share one.
class CliFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "vg_" + std::string(info->test_suite_name()) + "_" + std::to_string(::getpid()) + "_" +
                           info->name();
        for (char& c : name)
            if (c == '/') c = '_';  // parameterised cases are named "Group/Case/0"
        dir_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    const std::filesystem::path& Folder() const { return dir_; }
    // A document made by "vgraph-cli new" with the given --add arguments.
    std::string NewDocument(const std::string& name, const std::vector<std::string>& adds)
    {
        std::vector<std::string> args{"new", Path(name)};
        args.insert(args.end(), adds.begin(), adds.end());
        EXPECT_EQ(RunCliCommand(args).status, 0);
        return Path(name);
    }

private:
    std::filesystem::path dir_;
};

}  // namespace vg::test
