#include "app/DlgMyInputQuery.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace {

// The dialog shown (never run modally) with an answer the caller had before.
class InputQuery : public ::testing::Test {
protected:
    void Open(bool allowEmpty)
    {
        dialog = std::make_unique<TDlgMyInputQuery>(nullptr, "Gruppenadresse anlegen",
                                                    "Geben Sie den Namen der Gruppenadresse ein.", &answer,
                                                    allowEmpty);
        dialog->show();
        dialog->activateWindow();
        dialog->EditText->setFocus();
    }

    std::string answer = "vorher";
    std::unique_ptr<TDlgMyInputQuery> dialog;
};

TEST_F(InputQuery, OkFollowsTheTrimmedTextWhenEmptyIsNotAllowed)
{
    Open(false);
    EXPECT_FALSE(dialog->btnOk->isEnabled());
    QTest::keyClicks(dialog->EditText, "   ");
    EXPECT_FALSE(dialog->btnOk->isEnabled());
    dialog->EditText->setText(QString::fromLatin1("\t \x01"));
    EXPECT_FALSE(dialog->btnOk->isEnabled()); // control characters count as blank
    dialog->EditText->clear();
    QTest::keyClicks(dialog->EditText, "  a ");
    EXPECT_TRUE(dialog->btnOk->isEnabled());
    QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
    EXPECT_EQ(1, dialog->result());
    EXPECT_EQ("  a ", answer);
}

TEST_F(InputQuery, EnterOnADisabledOkKeepsTheDialog)
{
    Open(false);
    QTest::keyClicks(dialog->EditText, "  ");
    QTest::keyClick(dialog->EditText, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(0, dialog->result());
    EXPECT_EQ("vorher", answer);
    QTest::keyClicks(dialog->EditText, "x");
    QTest::keyClick(dialog->EditText, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(1, dialog->result());
    EXPECT_EQ("  x", answer);
}

TEST_F(InputQuery, AnEmptyAnswerIsAcceptedWhenAllowed)
{
    Open(true);
    EXPECT_TRUE(dialog->btnOk->isEnabled());
    QTest::mouseClick(dialog->btnOk, Qt::LeftButton);
    EXPECT_EQ(1, dialog->result());
    EXPECT_EQ("", answer);
}

TEST_F(InputQuery, CancelAndCloseLeaveTheAnswer)
{
    Open(true);
    QTest::keyClicks(dialog->EditText, "Licht");
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    EXPECT_EQ(2, dialog->result());
    EXPECT_EQ("vorher", answer);

    Open(true);
    QTest::keyClicks(dialog->EditText, "Licht");
    dialog->close();
    EXPECT_EQ(2, dialog->result());
    EXPECT_EQ("vorher", answer);
}

TEST_F(InputQuery, WithoutOwnerItIsCentredOverTheMainWindow)
{
    QMainWindow main;
    main.setGeometry(200, 150, 800, 600);
    main.show();
    Open(false);
    const QPoint offset = dialog->frameGeometry().center() - main.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2);
}

TEST_F(InputQuery, Form)
{
    Open(false);
    EXPECT_LE(114, dialog->height());
    EXPECT_LE(273, dialog->width());
    // The field and the buttons at their full height, inside the form.
    EXPECT_GE(dialog->EditText->height(), dialog->EditText->sizeHint().height());
    EXPECT_GE(dialog->btnOk->height(), dialog->btnOk->sizeHint().height());
    EXPECT_GE(dialog->btnOk->y(), dialog->EditText->geometry().bottom());
    EXPECT_LE(dialog->btnOk->geometry().bottom(), dialog->height());
    EXPECT_LE(dialog->btnCancel->geometry().right(), dialog->width());
    EXPECT_GE(dialog->width(), dialog->LabelText->geometry().right() + 8); // the prompt is never cut off
    EXPECT_EQ("Gruppenadresse anlegen", dialog->windowTitle());
    EXPECT_EQ("&Ok", dialog->btnOk->text());
    EXPECT_EQ("Abbre&chen", dialog->btnCancel->text());
    QTest::keyClicks(dialog->EditText, "   ");
    const QString folder = QStringLiteral(PANELCONF_SCREENSHOT_DIR "/commands");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(dialog->grab().save(folder + QStringLiteral("/input_query.png")));
}

} // namespace
