#pragma once

#include "state/AppState.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace fw {

class DirectoryList;

// The picture chooser: mounted file systems, folders and the files of a
// pattern. Starts in the folder of the path the caller's box holds and writes
// the chosen file's full path back into that box on OK.
class frmFileSelect : public QDialog
{
    Q_OBJECT

public:
    explicit frmFileSelect(AppState &state, QWidget *parent = nullptr);

    QString currentDirectory() const;

    // The handlers, callable as the user's actions.
    void drvDrive_Change(int index);
    void dirDir_Change();
    void dirDir_LostFocus();
    void FilesSelect_Click(int index);
    void filFile_Click(const QString &name);
    void cmdOk_Click();
    void cmdCancel_Click();

    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void Form_Load();
    // Opens a folder in the directory list; a folder that cannot be read is
    // refused with a warning and the previous one stays.
    bool openDirectory(const QString &directory);
    void refreshFiles();
    void showDriveOf(const QString &directory);
    QLineEdit *targetBox() const;

    AppState &m_state;
    QString m_pattern;
    QStringList m_drives;
    QComboBox *m_drive = nullptr;
    DirectoryList *m_dir = nullptr;
    QLabel *m_path = nullptr;
    QListWidget *m_files = nullptr;
    QLineEdit *m_fileName = nullptr;
    QComboBox *m_types = nullptr;
};

} // namespace fw
