#include "platform/InputQueryDialog.h"
#include "platform/QtUiService.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Acts on the modal dialog as soon as it runs its own loop.
void WhenShown(const std::function<void(QDialog&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            WhenShown(act); // not up yet: try again on the next turn
            return;
        }
        act(*dialog);
    });
}

class QtUiServiceDialogsTest : public ::testing::Test {
protected:
    platform::TQtUiService Service;
    platform::TScopedUiService Scope{Service};
};

TEST_F(QtUiServiceDialogsTest, TheInputQueryTakesTheTextOnOk)
{
    std::string value = "alt";
    WhenShown([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>()->setText(QStringLiteral("244_ID"));
        dialog.done(platform::IDOK);
    });
    EXPECT_TRUE(platform::Ui().InputQuery("Devicetype", "Set module name, e.g. 244_ID", value));
    EXPECT_EQ(value, "244_ID");
}

TEST_F(QtUiServiceDialogsTest, ACancelledInputQueryLeavesTheText)
{
    std::string value = "alt";
    WhenShown([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>()->setText(QStringLiteral("neu"));
        dialog.done(platform::IDCANCEL);
    });
    EXPECT_FALSE(platform::Ui().InputQuery("Devicetype", "?", value));
    EXPECT_EQ(value, "alt");
}

TEST_F(QtUiServiceDialogsTest, TheFileDialogShowsItsListsColumnsWhole)
{
    QSize shown;
    std::vector<QHeaderView::ResizeMode> modes;
    WhenShown([&](QDialog& dialog) {
        shown = dialog.size();
        if (const auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView")))
            for (int column = 0; column < list->header()->count(); ++column)
                modes.push_back(list->header()->sectionResizeMode(column));
        dialog.reject();
    });
    platform::TFileDialogInfo info;
    info.Title = "Import";
    info.InitialDir = QDir::tempPath().toStdString();
    EXPECT_FALSE(platform::Ui().OpenFileDialog(info));
    EXPECT_GE(shown.width(), 800);
    ASSERT_EQ(modes.size(), 4u) << "name, size, type, date";
    EXPECT_EQ(modes[0], QHeaderView::Stretch);
    for (std::size_t column = 1; column < modes.size(); ++column)
        EXPECT_EQ(modes[column], QHeaderView::ResizeToContents) << column;
}

TEST_F(QtUiServiceDialogsTest, AModalDialogAnswersItsResult)
{
    QDialog dialog;
    WhenShown([](QDialog& shown) { shown.done(platform::IDNO); });
    EXPECT_EQ(platform::Ui().ShowModal(dialog), platform::IDNO);
}

TEST(UiServiceDefaultsTest, WithoutARealServiceDialogsAreCancelled)
{
    QDialog dialog;
    std::string value = "x";
    platform::TFileDialogInfo info;
    EXPECT_EQ(platform::Ui().ShowModal(dialog), platform::IDCANCEL);
    EXPECT_FALSE(platform::Ui().InputQuery("c", "p", value));
    EXPECT_FALSE(platform::Ui().OpenFileDialog(info));
    EXPECT_FALSE(platform::Ui().SaveFileDialog(info));
    EXPECT_FALSE(platform::Ui().ShellOpen("/bin/true", ""));
    EXPECT_EQ(value, "x");
}

} // namespace
