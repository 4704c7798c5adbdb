#pragma once

#include <QKeySequence>
#include <QString>

#include <string>
#include <vector>

class QAction;
class QObject;

// The command list of the data module: its actions in their order, each with a category. The
// actions belong to the list's owner.
class TActionList {
public:
    explicit TActionList(QObject* owner) : Owner(owner) {}
    TActionList(const TActionList&) = delete;
    TActionList& operator=(const TActionList&) = delete;

    // A new action named name with its category, caption and shortcut, enabled and visible.
    QAction* Add(const char* name, const char* category, const std::string& caption,
                 const QKeySequence& shortcut = {});

    const std::vector<QAction*>& Actions() const { return Items; }
    QAction* Find(const QString& name) const;
    static QString Category(const QAction* action);

    // The shortcut test of the list: executes the first enabled action whose shortcut is the
    // key; true when one ran.
    bool IsShortCut(const QKeySequence& key) const;

private:
    QObject* Owner;
    std::vector<QAction*> Items;
};
