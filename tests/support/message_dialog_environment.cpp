// Linked into the suites that drive the main window: the program's messages
// go through its own message dialog there, as they do in the running program.

#include <gtest/gtest.h>

#include "app/ui/message_dialog.h"

namespace vg {
namespace {

class MessageDialogEnvironment : public ::testing::Environment {
public:
    void SetUp() override { InstallMessageDialog(); }
};

[[maybe_unused]] ::testing::Environment* const kMessageDialogEnvironment =
    ::testing::AddGlobalTestEnvironment(new MessageDialogEnvironment);

}  // namespace
}  // namespace vg
