#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

// Asks whether an imported template brings its group addresses along: two choices, each with
// its explanation, in a bevel; Ok (1) and Cancel (2). Opens with "without group addresses"
// chosen, centred on the desktop.
class TFDlgImport : public QDialog {
    Q_OBJECT

public:
    explicit TFDlgImport(QWidget* owner);

    void LadeTexte();
    // True when the choice with group addresses is taken.
    bool WithGroupAddresses() const;
    // Escape and closing the window answer Cancel.
    void reject() override { done(2); }

    QFrame* Bevel1;
    QRadioButton* RBWithoutGroupAddress;
    QLabel* LabelOhneGa;
    QRadioButton* RBWithGroupAddress;
    QLabel* LabelMitGa;
    QPushButton* ButtonHelp;
    QPushButton* ButtonOk;
    QPushButton* ButtonCancel;
};
