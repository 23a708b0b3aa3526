#include "dialogs/ui/frmFileSelect.h"

#include "dialogs/FileChooserRules.h"
#include "dialogs/ui/DirectoryList.h"
#include "dialogs/ui/FormSupport.h"
#include "platform/Fonts.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/OpenWindows.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace fw {

namespace {

// The boxes the chooser can fill: the background picture and the music file.
bool isTargetBox(const QString &name)
{
    return name == u"txb_BackPicture" || name == u"Text_soundfile";
}

QLabel *caption(QWidget *parent, const QString &text, const QRect &geometry, QWidget *buddy)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setBuddy(buddy);
    return label;
}

} // namespace

frmFileSelect::frmFileSelect(AppState &state, QWidget *parent) : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmFileSelect"));
    setWindowIdentity(this, objectName());
    setWindowTitle(QCoreApplication::translate("frmFileSelect", "ファイル選択"));
    setModal(true);
    setFont(uiFont());
    setFixedSize(520, 312);
    buildControls();
    Form_Load();
}

void frmFileSelect::buildControls()
{
    m_fileName = new QLineEdit(this);
    m_fileName->setObjectName(QStringLiteral("txtFileName"));
    m_fileName->setGeometry(12, 30, 184, 24);
    m_fileName->installEventFilter(this);
    caption(this, QCoreApplication::translate("frmFileSelect", "ファイル名(&N):"), {12, 8, 184, 20},
            m_fileName);

    m_files = new QListWidget(this);
    m_files->setObjectName(QStringLiteral("filFile"));
    m_files->setGeometry(12, 58, 184, 186);
    connect(m_files, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { filFile_Click(item->text()); });
    connect(m_files, &QListWidget::currentTextChanged, this, [this](const QString &name) {
        if (!name.isEmpty() && m_files->hasFocus())
            filFile_Click(name);
    });
    connect(m_files, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        filFile_Click(item->text());
        cmdOk_Click();
    });

    m_types = new QComboBox(this);
    m_types->setObjectName(QStringLiteral("FilesSelect"));
    m_types->setGeometry(12, 274, 184, 26);
    caption(this, QCoreApplication::translate("frmFileSelect", "ファイルの種類(&T):"),
            {12, 252, 184, 20}, m_types);

    m_path = new QLabel(this);
    m_path->setObjectName(QStringLiteral("lblPath"));
    m_path->setGeometry(208, 30, 190, 24);
    m_path->setTextFormat(Qt::PlainText);
    m_dir = new DirectoryList(this);
    m_dir->setObjectName(QStringLiteral("dirDir"));
    m_dir->setGeometry(208, 58, 190, 186);
    caption(this, QCoreApplication::translate("frmFileSelect", "ディレクトリ(&D):"),
            {208, 8, 190, 20}, m_dir);
    connect(m_dir, &DirectoryList::openRequested, this,
            [this](const QString &directory) { openDirectory(directory); });
    connect(m_dir, &DirectoryList::left, this, &frmFileSelect::dirDir_LostFocus);

    m_drive = new QComboBox(this);
    m_drive->setObjectName(QStringLiteral("drvDrive"));
    m_drive->setGeometry(208, 274, 190, 26);
    caption(this, QCoreApplication::translate("frmFileSelect", "ドライブ(&V):"),
            {208, 252, 190, 20}, m_drive);
    m_drives = mountedFileSystems();
    m_drive->addItems(m_drives);
    connect(m_drive, &QComboBox::activated, this, &frmFileSelect::drvDrive_Change);

    auto *ok = new QPushButton(QCoreApplication::translate("frmFileSelect", "OK"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setGeometry(414, 30, 94, 28);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmFileSelect::cmdOk_Click);
    auto *cancel = new QPushButton(QCoreApplication::translate("frmFileSelect", "ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setGeometry(414, 64, 94, 28);
    connect(cancel, &QPushButton::clicked, this, &frmFileSelect::cmdCancel_Click);
    auto *help = new QPushButton(QCoreApplication::translate("frmFileSelect", "ﾍﾙﾌﾟ(&H)"), this);
    help->setObjectName(QStringLiteral("cb_Help"));
    help->setGeometry(414, 110, 94, 28);
    help->setEnabled(false);
}

QLineEdit *frmFileSelect::targetBox() const
{
    if (!isTargetBox(m_state.handOff.fileTarget))
        return nullptr;
    return qobject_cast<QLineEdit *>(
        findControl(findOpenWindow(m_state.handOff.fileCaller), m_state.handOff.fileTarget));
}

void frmFileSelect::Form_Load()
{
    QString start = QDir::homePath();
    if (const QLineEdit *box = targetBox()) {
        const QString directory = startDirectory(box->text());
        if (!directory.isEmpty() && checkDirectory(directory).ok)
            start = directory;
    }
    m_dir->setPath(start);
    dirDir_Change();
    m_path->setText(currentDirectory());

    for (const FileType &type : fileTypesFor(m_state.handOff.fileTarget))
        m_types->addItem(type.text);
    connect(m_types, &QComboBox::currentIndexChanged, this, &frmFileSelect::FilesSelect_Click);
    setListIndex(m_types, 0);
    centreOnScreen(this);
}

QString frmFileSelect::currentDirectory() const
{
    return m_dir->path();
}

bool frmFileSelect::openDirectory(const QString &directory)
{
    const DirectoryAccess access = checkDirectory(directory);
    if (!access.ok) {
        m_dir->highlight(currentDirectory());
        //: %1 is why the folder %2 cannot be opened.
        const QString form = QCoreApplication::translate("frmFileSelect", "%1", "folder error");
        const QString folder = QDir::toNativeSeparators(directory);
        showWarning(this, QCoreApplication::translate("frmFileSelect", "ドライブ名変更エラー"),
                    form.contains(QLatin1String("%2")) ? form.arg(access.error, folder)
                                                       : form.arg(access.error));
        return false;
    }
    m_dir->setPath(directory);
    dirDir_Change();
    return true;
}

void frmFileSelect::showDriveOf(const QString &directory)
{
    const QSignalBlocker blocker(m_drive);
    m_drive->setCurrentIndex(int(m_drives.indexOf(fileSystemOf(directory, m_drives))));
}

void frmFileSelect::drvDrive_Change(int index)
{
    if (index < 0 || index >= m_drives.size())
        return;
    if (!openDirectory(m_drives.at(index)))
        showDriveOf(currentDirectory());
}

void frmFileSelect::dirDir_Change()
{
    showDriveOf(currentDirectory());
    refreshFiles();
    if (m_path->text() != currentDirectory()) {
        m_path->setText(currentDirectory());
        m_path->setToolTip(currentDirectory()); // a long path is cut off at the right
        m_fileName->clear();
    }
}

void frmFileSelect::dirDir_LostFocus()
{
    // Closing the dialog also takes the focus; nothing is opened then.
    if (isVisible() && m_dir->highlightedPath() != currentDirectory())
        openDirectory(m_dir->highlightedPath());
}

void frmFileSelect::refreshFiles()
{
    m_files->clear();
    m_files->addItems(matchingFiles(currentDirectory(), m_pattern));
}

void frmFileSelect::FilesSelect_Click(int index)
{
    const QList<FileType> types = fileTypesFor(m_state.handOff.fileTarget);
    if (index < 0 || index >= types.size())
        return;
    m_pattern = types.at(index).pattern;
    m_fileName->setText(m_pattern);
    refreshFiles();
}

void frmFileSelect::filFile_Click(const QString &name)
{
    m_fileName->setText(name);
}

void frmFileSelect::cmdOk_Click()
{
    if (m_dir->highlightedPath() != currentDirectory()) {
        openDirectory(m_dir->highlightedPath());
        return;
    }
    const QString path = chosenPath(m_path->text(), m_fileName->text());
    if (!isAcceptableFile(path)) {
        m_fileName->clear();
        return;
    }
    if (QLineEdit *box = targetBox())
        box->setText(path);
    accept();
}

void frmFileSelect::cmdCancel_Click()
{
    reject();
}

void frmFileSelect::reject()
{
    m_fileName->clear();
    QDialog::reject();
}

bool frmFileSelect::eventFilter(QObject *watched, QEvent *event)
{
    // Entering the name box selects its whole text, so typing replaces it.
    if (watched == m_fileName && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_fileName, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

} // namespace fw
