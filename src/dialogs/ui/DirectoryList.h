#pragma once

#include <QListWidget>

namespace fw {

// A folder list in the manner of a classic directory box: the folders from the
// root down to the current one, then the folders inside it. The highlighted
// entry can differ from the current folder until it is opened.
class DirectoryList : public QListWidget
{
    Q_OBJECT

public:
    explicit DirectoryList(QWidget *parent = nullptr);

    QString path() const { return m_path; }
    // Lists `directory` as the current folder and highlights it.
    void setPath(const QString &directory);
    // The full path of the highlighted entry; the current folder when none is.
    QString highlightedPath() const;
    // Highlights the entry of that full path, if listed.
    void highlight(const QString &directory);

signals:
    // The user asked to open the highlighted entry (double-click).
    void openRequested(const QString &directory);
    // The focus went elsewhere inside the window.
    void left();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void addEntry(const QString &directory, const QString &text, int depth, bool open);

    QString m_path;
};

} // namespace fw
