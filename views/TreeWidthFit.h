#pragma once

#include <QObject>

class QSplitter;
class QTreeWidget;

// The width of a tree pane on the left of a splitter. Until the user moves the splitter, the tree
// takes the width of its widest names of the first two levels, or a restored width, and at most
// half of the splitter, whose right pane keeps the rest; it follows the splitter's size.
class TTreeWidthFit : public QObject {
public:
    TTreeWidthFit(QSplitter& splitter, QTreeWidget& tree);

    // A width stored by the user, used instead of the names' width; 0: none.
    void SetRestoredWidth(int width) { restored_ = width; }
    // Sets the splitter as above; nothing once the user moved it.
    void Fit();
    // The width that fits the names, without a limit.
    int NamesWidth() const;
    // The tree's width for two panes that share that width: at most half of it, at least the
    // tree's minimum.
    static int LimitedWidth(int wanted, int splitterWidth, int minimum);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSplitter& splitter_;
    QTreeWidget& tree_;
    int restored_ = 0;
    bool userMoved_ = false;
};
