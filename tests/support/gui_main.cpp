#include "ui/widgets/MessageBox.h"
#include "ui/widgets/Modal.h"
#include "ui/widgets/Shell.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace {
// No test waits on a modal loop or opens a real browser; every test starts with clean seams.
class SeamListener : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo&) override
    {
        MessageBox::clearHistory();
        Modal::clearHandlers();
        Shell::clearOpened();
    }
};
} // namespace

// Every test executable runs its tests inside one application object, under the offscreen platform.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MessageBox::setTestMode(true);
    Modal::setTestMode(true);
    Shell::setTestMode(true);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new SeamListener);
    return RUN_ALL_TESTS();
}
