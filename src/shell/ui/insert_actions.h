#pragma once
// The object creation commands of the layout view: a menu and a tool bar whose entries
// pass their class name to the designers' creation tool on the current draw site.
#include <QList>
#include <functional>

class QAction;
class QMainWindow;
class TDrawSite;
class TEditActions;
class TEditContext;

// Adds the menu "挿入(&I)" and the tool bar "オブジェクト" to the window; returns the
// creation actions in menu order (each action's data is its class name).
QList<QAction*> AddInsertActions(QMainWindow& window, TEditContext& context, TEditActions& editActions,
                                 std::function<TDrawSite*()> siteOf);
