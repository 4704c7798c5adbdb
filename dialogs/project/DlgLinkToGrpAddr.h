#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class TGrpAddrEdit;

// Asks for one group address (proposed: the next free one) and its name, to link the selected
// communication object to. Result 1: main, middle and sub hold the address (with two levels
// middle = sub group div 256, sub = sub group mod 256) and name the name as typed; 2: Cancel or
// closed, the out parameters are not to be used.
class TDlgLinkToGrpAddr : public QDialog {
    Q_OBJECT

public:
    TDlgLinkToGrpAddr(QWidget* owner, int level, std::int16_t* main, std::int16_t* middle, std::int16_t* sub,
                      std::string* name, const std::string& proposal);

    int ShowModal();

    void BtnOkClick();
    void BtnCancelClick();
    void reject() override;

    QLabel* LabelInfoText;
    QLabel* LabelGrpAddr;
    TGrpAddrEdit* EditGrpAddr;
    QLabel* LabelGrpAddrName;
    QLineEdit* EditGrpAddrName;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;

private:
    void LadeDlgTexte();

    int level_;
    std::int16_t* main_;
    std::int16_t* middle_;
    std::int16_t* sub_;
    std::string* name_;
    std::string proposal_;
};
