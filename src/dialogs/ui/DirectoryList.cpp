#include "dialogs/ui/DirectoryList.h"

#include "dialogs/FileChooserRules.h"

#include <QFocusEvent>
#include <QStyle>

namespace fw {

namespace {

constexpr int PathRole = Qt::UserRole;

} // namespace

DirectoryList::DirectoryList(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { emit openRequested(item->data(PathRole).toString()); });
}

void DirectoryList::setPath(const QString &directory)
{
    m_path = directory;
    clear();
    const QStringList chain = directoryChain(directory);
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString &step = chain.at(depth);
        const QString name = depth == 0 ? step : step.section(QLatin1Char('/'), -1);
        addEntry(step, name, depth, true);
    }
    for (const QString &name : subdirectories(directory))
        addEntry(chosenPath(directory, name), name, int(chain.size()), false);
    highlight(directory);
}

void DirectoryList::addEntry(const QString &directory, const QString &text, int depth, bool open)
{
    const QIcon icon =
        style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
    // Indented by depth, so the chain reads as a path from the root down.
    auto *item = new QListWidgetItem(icon, QString(depth * 2, QLatin1Char(' ')) + text, this);
    item->setData(PathRole, directory);
}

QString DirectoryList::highlightedPath() const
{
    const QListWidgetItem *item = currentItem();
    return item ? item->data(PathRole).toString() : m_path;
}

void DirectoryList::highlight(const QString &directory)
{
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(PathRole).toString() == directory) {
            setCurrentRow(row);
            scrollToItem(item(row));
            return;
        }
    }
}

void DirectoryList::focusOutEvent(QFocusEvent *event)
{
    QListWidget::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit left();
}

} // namespace fw
