#include "app/ShortcutList.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// "&Save…" reads "Save…"; "&&" stays one ampersand.
QString withoutMnemonic(QString text)
{
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
}

QString keysOf(const QAction *action)
{
    QStringList keys;
    for (const QKeySequence &sequence : action->shortcuts())
        keys += sequence.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
}

void addMenu(const QMenu *menu, const QString &place, QList<ShortcutEntry> &entries,
             QList<const QAction *> &seen)
{
    for (const QAction *action : menu->actions()) {
        if (action->menu()) {
            addMenu(action->menu(), place, entries, seen);
            continue;
        }
        seen += action;
        if (!action->shortcuts().isEmpty())
            entries += {place, withoutMnemonic(action->text()), keysOf(action)};
    }
}

QString placeOf(const QAction *action)
{
    const auto *owner = qobject_cast<const QWidget *>(action->parent());
    if (!owner)
        return {};
    return owner->accessibleName().isEmpty() ? owner->windowTitle() : owner->accessibleName();
}

} // namespace

QList<ShortcutEntry> windowShortcuts(const QWidget *window)
{
    QList<ShortcutEntry> entries;
    QList<const QAction *> seen;
    if (const auto *main = qobject_cast<const QMainWindow *>(window))
        for (const QAction *title : main->menuBar()->actions())
            if (title->menu())
                addMenu(title->menu(), withoutMnemonic(title->text()), entries, seen);
    for (const QAction *action : window->findChildren<QAction *>())
        if (!seen.contains(action) && !action->shortcuts().isEmpty() && !action->text().isEmpty())
            entries += {placeOf(action), withoutMnemonic(action->text()), keysOf(action)};
    return entries;
}

ShortcutListDialog::ShortcutListDialog(const QList<ShortcutEntry> &entries, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Keyboard Shortcuts"));
    m_search = new QLineEdit(this);
    m_search->setObjectName("shortcutSearch");
    m_search->setPlaceholderText(tr("Search commands and keys"));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(tr("Search"));
    auto *searchLabel = new QLabel(tr("&Search:"), this);
    searchLabel->setBuddy(m_search);
    m_list = new QTreeWidget(this);
    m_list->setObjectName("shortcutList");
    m_list->setAccessibleName(tr("Keyboard shortcuts"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Command"), tr("Keys"), tr("Where")});
    for (const ShortcutEntry &entry : entries)
        m_list->addTopLevelItem(new QTreeWidgetItem(QStringList{entry.command, entry.keys, entry.place}));
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_search, &QLineEdit::textChanged, this, &ShortcutListDialog::filter);
    auto *layout = new QVBoxLayout(this);
    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);
    layout->addLayout(searchRow);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(520, 560);
}

// A row is shown when its command, keys or menu holds the text (in any case).
void ShortcutListDialog::filter(const QString &text)
{
    const QString wanted = text.trimmed();
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = m_list->topLevelItem(row);
        bool match = wanted.isEmpty();
        for (int column = 0; column < item->columnCount() && !match; ++column)
            match = item->text(column).contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!match);
    }
}

int ShortcutListDialog::shownCount() const
{
    int shown = 0;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        shown += m_list->topLevelItem(row)->isHidden() ? 0 : 1;
    return shown;
}
