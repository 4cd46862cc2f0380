#include "platform/config_paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace vg {
namespace {

// Sets or clears an environment variable for one scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv()
    {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(ConfigPaths, followsFolderRule_inOrderOfPrecedence)
{
    struct Row {
        const char* vgraphDir;
        const char* xdgHome;
        const char* home;
        const char* expected;
    } rows[] = {
        {"/cfg", "/xdg", "/home/u", "/cfg"},
        {nullptr, "/xdg", "/home/u", "/xdg/VGraph"},
        {"", "/xdg/", "/home/u", "/xdg/VGraph"},
        {nullptr, "relative", "/home/u", "/home/u/.config/VGraph"},
        {nullptr, nullptr, "/home/u", "/home/u/.config/VGraph"},
    };
    for (const Row& r : rows) {
        ScopedEnv a("VGRAPH_CONFIG_DIR", r.vgraphDir);
        ScopedEnv b("XDG_CONFIG_HOME", r.xdgHome);
        ScopedEnv c("HOME", r.home);
        EXPECT_EQ(ConfigDir(), r.expected);
    }
}

TEST(ConfigPaths, bareNamesGoToConfigFolder_pathsStayAsTheyAre)
{
    ScopedEnv a("VGRAPH_CONFIG_DIR", "/cfg");
    EXPECT_EQ(ConfigFilePath("VGraph.ini"), "/cfg/VGraph.ini");
    EXPECT_EQ(ConfigFilePath("/etc/x.ini"), "/etc/x.ini");
    EXPECT_EQ(ConfigFilePath("sub/x.ini"), "sub/x.ini");
}

TEST(ConfigPaths, languageFolderFromEnvironment_overridesBuildTree)
{
    ScopedEnv a("VGRAPH_LANG_DIR", "/langs");
    EXPECT_EQ(ProgramLanguageDir(), "/langs");
    ScopedEnv b("VGRAPH_LANG_DIR", nullptr);
    EXPECT_NE(ProgramLanguageDir().find("lang"), std::string::npos);
}

}  // namespace
}  // namespace vg
