#pragma once

#include <QDialog>
#include <QList>

class QAction;
class QLineEdit;
class QTreeWidget;

// One keyboard shortcut of the window: where it is found, what it does, its keys.
struct ShortcutEntry {
    QString place;   // the menu's title, or the control the action belongs to
    QString command; // the action's text without its mnemonic mark
    QString keys;    // every key sequence of the action, as the platform writes them
};

// The shortcuts of every action under `window` that has one, in menu order (the menus
// first, then the actions of the controls): read from the actions themselves, so the
// list is what the keys do.
QList<ShortcutEntry> windowShortcuts(const QWidget *window);

// Help › Keyboard Shortcuts: the list, filtered as the user types in its search field.
class ShortcutListDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ShortcutListDialog(const QList<ShortcutEntry> &entries, QWidget *parent = nullptr);

    QLineEdit *searchField() const { return m_search; }
    QTreeWidget *list() const { return m_list; }
    // The rows shown for the search text.
    int shownCount() const;

  private:
    void filter(const QString &text);

    QLineEdit *m_search = nullptr;
    QTreeWidget *m_list = nullptr;
};
