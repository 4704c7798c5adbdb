#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Asks for the number of a communication object: an edit field in a bevel, Ok (1) and Cancel (2).
class TDlgJumpToObj : public QDialog {
    Q_OBJECT

public:
    explicit TDlgJumpToObj(QWidget* owner);

    void LadeTexte();
    // The entry as a decimal number; -1 when it is not one.
    int ObjectNumber() const;
    // Escape and closing the window answer Cancel.
    void reject() override { done(2); }

    QFrame* Bevel1;
    QLabel* LblObjectNumber;
    QLineEdit* EditObjNr;
    QPushButton* BtnOk;
    QPushButton* BtnCancel;
};
