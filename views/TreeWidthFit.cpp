#include "views/TreeWidthFit.h"

#include <QEvent>
#include <QScrollBar>
#include <QSplitter>
#include <QTreeWidget>

#include <algorithm>

namespace {

// The widest item of the list and its children, at its indentation.
int WidestOf(const QTreeWidget& tree, const QTreeWidgetItem& item, int level, int depth)
{
    const QFontMetrics metrics(item.font(0));
    const int icon = item.icon(0).isNull() ? 0 : tree.iconSize().width() + 4;
    int widest = tree.indentation() * (level + 1) + icon + metrics.horizontalAdvance(item.text(0)) + 12;
    if (level + 1 < depth)
        for (int i = 0; i < item.childCount(); ++i)
            widest = std::max(widest, WidestOf(tree, *item.child(i), level + 1, depth));
    return widest;
}

} // namespace

TTreeWidthFit::TTreeWidthFit(QSplitter& splitter, QTreeWidget& tree)
    : QObject(&splitter), splitter_(splitter), tree_(tree)
{
    splitter_.installEventFilter(this);
    connect(&splitter_, &QSplitter::splitterMoved, this, [this] { userMoved_ = true; });
}

int TTreeWidthFit::NamesWidth() const
{
    int widest = 0;
    for (int i = 0; i < tree_.topLevelItemCount(); ++i)
        widest = std::max(widest, WidestOf(tree_, *tree_.topLevelItem(i), 0, 2));
    return widest + 2 * tree_.frameWidth() + tree_.verticalScrollBar()->sizeHint().width();
}

int TTreeWidthFit::LimitedWidth(int wanted, int splitterWidth, int minimum)
{
    return std::max(minimum, std::min(wanted, splitterWidth / 2));
}

void TTreeWidthFit::Fit()
{
    if (userMoved_ || splitter_.count() < 2)
        return;
    const int whole = splitter_.width() - splitter_.handleWidth();
    if (whole <= 0)
        return;
    const int wanted = restored_ > 0 ? restored_ : NamesWidth();
    const int tree = LimitedWidth(wanted, whole, tree_.minimumWidth());
    if (splitter_.sizes().value(0) != tree)
        splitter_.setSizes({tree, whole - tree});
}

bool TTreeWidthFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &splitter_ && event->type() == QEvent::Resize)
        Fit();
    return QObject::eventFilter(watched, event);
}
