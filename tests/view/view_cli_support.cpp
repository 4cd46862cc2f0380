#include "view/view_cli_support.h"

#include <sstream>

#include <unistd.h>

#include "cli/cli.h"

namespace vg::view_test {

CliResult RunCliCommand(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void CliFiles::SetUp()
{
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("vg_view_" + std::to_string(::getpid()) + "_" + info->name());
    std::filesystem::create_directories(dir_);
}

void CliFiles::TearDown() { std::filesystem::remove_all(dir_); }

std::string CliFiles::NewDocument(const std::string& name, const std::vector<std::string>& adds)
{
    std::vector<std::string> args{"new", Path(name)};
    args.insert(args.end(), adds.begin(), adds.end());
    EXPECT_EQ(RunCliCommand(args).status, 0);
    return Path(name);
}

}  // namespace vg::view_test
