#include "setup/ui/FishRegisterTab.h"

#include "platform/Fonts.h"
#include "setup/FishRegister.h"
#include "setup/ui/FishShopMessages.h"
#include "state/NameLists.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace fw {

FishRegisterTab::FishRegisterTab(AppState &state, Random &, const Clock &clock, ScreenSize,
                                 QWidget *parent)
    : QWidget(parent), m_state(state), m_clock(clock), m_messages(&FishShopMessageBoxes::standard())
{
    setFont(uiFont());
    // A narrow side column leaves the list room for every header column.
    constexpr int sideWidth = 134;
    QGroupBox *nameChange = buildNameChange();
    QGroupBox *detail = buildDetail();
    nameChange->setFixedWidth(sideWidth);
    detail->setFixedWidth(sideWidth);
    auto *side = new QVBoxLayout;
    side->addWidget(nameChange);
    side->addWidget(detail, 1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    layout->addWidget(buildList(), 1);
    layout->addLayout(side);
}

QGroupBox *FishRegisterTab::buildList()
{
    auto *frame = new QGroupBox(QCoreApplication::translate("FishRegister", "一覧(&L)"), this);
    frame->setObjectName(QStringLiteral("Frame_list"));
    const QFont cells = fixedPitchFont();

    m_list = new QListWidget(frame);
    m_list->setObjectName(QStringLiteral("List_fishinfo"));
    m_list->setFont(cells);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { List_fishinfo_Click(); });
    // A click on the selected row also puts its name back in the name box.
    connect(m_list, &QListWidget::itemClicked, this, [this] { List_fishinfo_Click(); });

    m_header = new QLabel(frame);
    m_header->setObjectName(QStringLiteral("Label_header"));
    m_header->setFont(cells);
    // Line the header's columns up with the list's text, which starts after
    // the list's frame and its items' own margin.
    m_header->setIndent(m_list->frameWidth() + 3);

    auto *layout = new QVBoxLayout(frame);
    layout->setSpacing(2);
    layout->addWidget(m_header);
    layout->addWidget(m_list, 1);
    // Where automatic names are in Latin letters, the reader is told once why
    // they are not drawn in the tank.
    if (namesInLatinLetters()) {
        auto *note = new QLabel(automaticNamesNote(), frame);
        note->setObjectName(QStringLiteral("Label_automaticnames"));
        note->setWordWrap(true);
        layout->addWidget(note);
    }
    return frame;
}

QGroupBox *FishRegisterTab::buildNameChange()
{
    auto *frame =
        new QGroupBox(QCoreApplication::translate("FishRegister", "名前の変更(&N)"), this);
    frame->setObjectName(QStringLiteral("Frame_namechange"));

    m_newName = new QLineEdit(frame);
    m_newName->setObjectName(QStringLiteral("Text_aftername"));
    auto *change = new QPushButton(QCoreApplication::translate("FishRegister", "変更(&C)"), frame);
    change->setObjectName(QStringLiteral("cb_namechange_ok"));
    connect(change, &QPushButton::clicked, this, [this] { cb_namechange_ok_Click(); });
    m_newName->installEventFilter(this);

    auto *layout = new QGridLayout(frame);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setSpacing(4);
    // The box takes the column's whole width, so a name of ten cells shows
    // whole; the button sits under it.
    layout->addWidget(m_newName, 0, 0, 1, 2);
    QLabel *hint =
        new QLabel(QCoreApplication::translate("FishRegister", "全角５文字 半角10文字以内"), frame);
    hint->setWordWrap(true);
    layout->addWidget(hint, 1, 0, 1, 2);
    layout->addWidget(change, 2, 1);
    layout->setColumnStretch(0, 1);
    return frame;
}

QGroupBox *FishRegisterTab::buildDetail()
{
    auto *frame = new QGroupBox(QCoreApplication::translate("FishRegister", "管理"), this);
    frame->setObjectName(QStringLiteral("Frame_detail"));

    auto *release =
        new QPushButton(QCoreApplication::translate("FishRegister", "水槽から出す(&O)"), frame);
    release->setObjectName(QStringLiteral("Command_out"));
    connect(release, &QPushButton::clicked, this, [this] { Command_out_Click(); });
    // Treatment and the family tree are not offered in this version.
    auto *treat = new QPushButton(QCoreApplication::translate("FishRegister", "治療..."), frame);
    treat->setObjectName(QStringLiteral("Command_treat"));
    auto *family = new QPushButton(QCoreApplication::translate("FishRegister", "家系図..."), frame);
    family->setObjectName(QStringLiteral("Command_family"));
    family->hide();

    auto *layout = new QGridLayout(frame);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setSpacing(4);
    layout->addWidget(new QLabel(QCoreApplication::translate("FishRegister", "親："), frame), 0, 0);
    layout->addWidget(new QLabel(QCoreApplication::translate("FishRegister", "不明"), frame), 0, 1);
    layout->addWidget(new QLabel(QCoreApplication::translate("FishRegister", "病気："), frame), 1,
                      0);
    layout->addWidget(new QLabel(QCoreApplication::translate("FishRegister", "なし"), frame), 1, 1);
    layout->addWidget(new QLabel(QCoreApplication::translate("FishRegister", "ペア："), frame), 2,
                      0);
    layout->addWidget(new QLabel(QCoreApplication::translate("FishRegister", "なし"), frame), 2, 1);
    layout->addWidget(release, 3, 0, 1, 2);
    layout->addWidget(treat, 4, 0, 1, 2);
    layout->addWidget(family, 5, 0, 1, 2);
    layout->setRowStretch(6, 1);
    layout->setColumnStretch(1, 1);
    return frame;
}

bool FishRegisterTab::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the name box gives the name; it must not reach the dialog's
    // default button and close the dialog.
    if (watched == m_newName && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cb_namechange_ok_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool FishRegisterTab::open()
{
    if (m_state.workingFish.count <= 0) {
        m_messages->information(this, refusalTitle(), emptyTankMessage());
        return false;
    }
    m_header->setText(registerHeader());
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (int i = 1; i <= m_state.workingFish.count; ++i)
            m_list->addItem(registerRow(m_state, m_clock, i));
        m_list->setCurrentRow(0);
    }
    List_fishinfo_Click();
    m_selectedFish = 1;
    return true;
}

void FishRegisterTab::List_fishinfo_Click()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_state.workingFish.count)
        return;
    m_selectedFish = row + 1;
    m_newName->setText(registerName(m_state, m_clock, m_selectedFish));
}

void FishRegisterTab::RefreshSelectedRow()
{
    QListWidgetItem *item = m_list->item(m_selectedFish - 1);
    if (item)
        item->setText(registerRow(m_state, m_clock, m_selectedFish));
}

void FishRegisterTab::cb_namechange_ok_Click()
{
    const NameCheck check = renameFish(m_state, m_selectedFish, m_newName->text());
    if (check == NameCheck::Accepted) {
        RefreshSelectedRow();
        return;
    }
    const NameError error = nameErrorText(check);
    m_messages->warning(this, nameErrorTitle(), error.problem + QLatin1Char('\n') + error.advice);
    m_newName->setFocus();
}

void FishRegisterTab::Command_out_Click()
{
    if (!canRelease(m_state)) {
        m_messages->information(this, refusalTitle(), lastFishMessage());
        return;
    }
    const QString name = registerName(m_state, m_clock, m_selectedFish);
    if (!m_messages->askYesNo(this, releaseTitle(), releaseQuestion(name), releaseAnswer(),
                              keepAnswer()))
        return;
    if (releaseFish(m_state, m_selectedFish))
        open();
}

} // namespace fw
