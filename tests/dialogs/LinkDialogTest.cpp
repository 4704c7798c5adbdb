#include "dialogs/project/DlgLinkToGrpAddr.h"
#include "dialogs/project/GrpAddrEdit.h"
#include "tests/support/ScriptedUi.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const std::string InvalidText = "Es wurde eine ung\xFCltige Gruppenadresse eingegeben!";

class LinkDialog : public ::testing::Test {
protected:
    void Open(int level, const std::string& proposal)
    {
        dialog = std::make_unique<TDlgLinkToGrpAddr>(nullptr, level, &main, &middle, &sub, &name, proposal);
        dialog->show();
        dialog->activateWindow();
        dialog->EditGrpAddr->setFocus();
    }
    void Type(QWidget* edit, const std::string& text)
    {
        static_cast<QLineEdit*>(edit)->clear();
        QTest::keyClicks(edit, QString::fromLatin1(text.c_str()));
    }

    testsupport::ScriptedUi ui;
    std::int16_t main = -1, middle = -1, sub = -1;
    std::string name = "vorher";
    std::unique_ptr<TDlgLinkToGrpAddr> dialog;
};

TEST_F(LinkDialog, EnterAcceptsTheProposal)
{
    Open(3, "1/0/1");
    EXPECT_EQ("1/0/1", dialog->EditGrpAddr->text());
    EXPECT_EQ("", dialog->EditGrpAddrName->text());
    QTest::keyClick(dialog->EditGrpAddr, Qt::Key_Return);
    EXPECT_EQ(1, dialog->result());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(1, main);
    EXPECT_EQ(0, middle);
    EXPECT_EQ(1, sub);
    EXPECT_EQ("", name);
    EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(LinkDialog, AnInvalidAddressKeepsTheDialogOpenWithItsText)
{
    Open(3, "1/0/1");
    Type(dialog->EditGrpAddr, "3/9/1");
    QTest::mouseClick(dialog->BtnOk, Qt::LeftButton);
    ASSERT_EQ(1u, ui.boxes().size());
    EXPECT_EQ(InvalidText, ui.boxes()[0].text);
    EXPECT_EQ("Fehler", ui.boxes()[0].caption);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(0, dialog->result());
    EXPECT_EQ("3/9/1", dialog->EditGrpAddr->text());
    EXPECT_EQ(-1, main);
}

TEST_F(LinkDialog, EnterWithAnInvalidAddressShowsOneBox)
{
    Open(3, "3/9/1");
    QTest::keyClick(dialog->EditGrpAddr, Qt::Key_Return);
    EXPECT_EQ(1u, ui.boxes().size());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(LinkDialog, AddressZeroIsNeverLinked)
{
    Open(3, "0/0/0");
    QTest::keyClick(dialog->EditGrpAddrName, Qt::Key_Return);
    ASSERT_EQ(1u, ui.boxes().size());
    EXPECT_EQ(InvalidText, ui.boxes()[0].text);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(LinkDialog, AnEmptyAddressDoesNothing)
{
    Open(3, "");
    QTest::mouseClick(dialog->BtnOk, Qt::LeftButton);
    EXPECT_TRUE(ui.boxes().empty());
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(LinkDialog, TwoLevelsSplitTheSubGroup)
{
    Open(2, "1/1");
    Type(dialog->EditGrpAddr, "2/1000");
    Type(dialog->EditGrpAddrName, " a b ");
    QTest::keyClick(dialog->EditGrpAddrName, Qt::Key_Return);
    EXPECT_EQ(1, dialog->result());
    EXPECT_EQ(2, main);
    EXPECT_EQ(3, middle);
    EXPECT_EQ(232, sub);
    EXPECT_EQ(" a b ", name);
}

TEST_F(LinkDialog, CancelAndCloseAnswerTwo)
{
    Open(3, "1/0/1");
    QTest::mouseClick(dialog->BtnCancel, Qt::LeftButton);
    EXPECT_EQ(2, dialog->result());
    Open(3, "1/0/1");
    dialog->close();
    EXPECT_EQ(2, dialog->result());
    EXPECT_EQ(-1, main);
    EXPECT_EQ("vorher", name);
}

TEST_F(LinkDialog, TheAddressFieldTakesOnlyDigitsAndSeparators)
{
    Open(3, "");
    QTest::keyClicks(dialog->EditGrpAddr, "1a/2+ 3.x,-4");
    EXPECT_EQ("1/2 3.,-4", dialog->EditGrpAddr->text());
    dialog->EditGrpAddr->clear();
    dialog->EditGrpAddr->insert("1/2/+3"); // pasted text is judged as typed
    EXPECT_EQ("1/2/3", dialog->EditGrpAddr->text());
    QTest::keyClick(dialog->EditGrpAddr, Qt::Key_Backspace);
    EXPECT_EQ("1/2/", dialog->EditGrpAddr->text());
    QTest::keyClick(dialog->EditGrpAddr, Qt::Key_Home);
    QTest::keyClick(dialog->EditGrpAddr, Qt::Key_Delete);
    EXPECT_EQ("/2/", dialog->EditGrpAddr->text());
}

TEST_F(LinkDialog, EscapeInTheAddressFieldCloses)
{
    Open(3, "1/0/1");
    QTest::keyClick(dialog->EditGrpAddr, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(2, dialog->result());
}

TEST_F(LinkDialog, Form)
{
    Open(3, "1/0/1");
    EXPECT_EQ(QSize(293, 165), dialog->size());
    EXPECT_EQ("Mit Gruppenadresse verbinden", dialog->windowTitle());
    EXPECT_EQ("&Ok", dialog->BtnOk->text());
    EXPECT_EQ("Abbre&chen", dialog->BtnCancel->text());
}

} // namespace
