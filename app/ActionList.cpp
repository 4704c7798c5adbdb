#include "app/ActionList.h"

#include "platform/Cp1252.h"

#include <QAction>

namespace {
constexpr char CategoryProperty[] = "category";
}

QAction* TActionList::Add(const char* name, const char* category, const std::string& caption,
                          const QKeySequence& shortcut)
{
    auto* action = new QAction(platform::ToQString(caption), Owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty(CategoryProperty, QString::fromLatin1(category));
    action->setShortcut(shortcut);
    Items.push_back(action);
    return action;
}

QAction* TActionList::Find(const QString& name) const
{
    for (QAction* action : Items)
        if (action->objectName() == name)
            return action;
    return nullptr;
}

QString TActionList::Category(const QAction* action)
{
    return action->property(CategoryProperty).toString();
}

bool TActionList::IsShortCut(const QKeySequence& key) const
{
    if (key.isEmpty())
        return false;
    for (QAction* action : Items) {
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == key) {
            action->trigger();
            return true;
        }
    }
    return false;
}
