#include "setup/ui/frmSetup.h"

#include "dialogs/ui/AboutBox.h"
#include "dialogs/ui/ColourBox.h"
#include "dialogs/ui/FormSupport.h"
#include "dialogs/ui/LayoutTabOrder.h"
#include "platform/Fonts.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/OpenWindows.h"
#include "setup/SetupCommit.h"
#include "setup/TabGeometry.h"
#include "setup/ui/EnvironmentTab.h"
#include "setup/ui/FishRegisterTab.h"
#include "setup/ui/FishShopTab.h"
#include "setup/ui/TankTab.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>
#include <climits>
#include <functional>

namespace fw {

namespace {

// The colour store of the tab strip: inactive tabs in gray, the active one
// and the pane's border in blue.
const QColor InactiveColour(128, 128, 128);
const QColor ActiveColour(0, 0, 255);
constexpr int LineWidth = 2;

// A tab caption that reacts to a click.
class TabCaption : public QLabel
{
public:
    TabCaption(const QString &text, std::function<void()> onClick, QWidget *parent)
        : QLabel(text, parent), m_onClick(std::move(onClick))
    {
        setAlignment(Qt::AlignCenter);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_onClick();
        QLabel::mouseReleaseEvent(event);
    }

private:
    std::function<void()> m_onClick;
};

QPushButton *button(const QString &name, const QString &text, const QRect &geometry,
                    QWidget *parent)
{
    auto *pushButton = new QPushButton(text, parent);
    pushButton->setObjectName(name);
    pushButton->setGeometry(geometry);
    return pushButton;
}

// Reads the controls for the commit.
class DialogControls final : public ControlReader
{
public:
    DialogControls(QWidget *dialog, const EnvironmentTab &environment)
        : m_dialog(dialog), m_environment(environment)
    {}

    std::optional<std::int64_t> number(QStringView control) const override
    {
        if (control == u"Option_endpattern") {
            const int option = m_environment.endPattern();
            return option < 0 ? std::nullopt : std::optional<std::int64_t>(option);
        }
        QWidget *widget = findControl(m_dialog, control);
        if (auto *bar = qobject_cast<QScrollBar *>(widget))
            return bar->value();
        if (auto *box = qobject_cast<QCheckBox *>(widget))
            return checkValue(box);
        if (auto *list = qobject_cast<QComboBox *>(widget)) {
            const int index = list->currentIndex();
            return index < 0 ? std::nullopt : std::optional<std::int64_t>(index);
        }
        if (auto *colour = qobject_cast<ColourBox *>(widget))
            return colour->colour();
        return std::nullopt;
    }

    QString text(QStringView control) const override
    {
        if (auto *edit = qobject_cast<QLineEdit *>(findControl(m_dialog, control)))
            return edit->text();
        return {};
    }

private:
    QWidget *m_dialog;
    const EnvironmentTab &m_environment;
};

} // namespace

frmSetup::frmSetup(AppState &state, Random &random, const Clock &clock, ScreenSize screen,
                   AquariumLink *aquarium, QWidget *parent)
    : QDialog(parent), m_state(state), m_random(random), m_clock(clock), m_aquarium(aquarium)
{
    setObjectName(QStringLiteral("frmSetup"));
    setWindowIdentity(this, objectName());
    setWindowTitle(QCoreApplication::translate("frmSetup", "Screen Finwick Configration"));
    setModal(true);
    setFont(uiFont());
    const QSize client = twipsToPixels(QRect(QPoint(), setupClientTwips())).size();
    setFixedSize(client);
    m_tabColours.fill(InactiveColour);

    buildPages(screen);
    buildTabStrip();
    buildButtons();
    Form_Load();
}

void frmSetup::buildTabStrip()
{
    const QStringList captions{QCoreApplication::translate("frmSetup", "動作環境"),
                               QCoreApplication::translate("frmSetup", "水槽管理"),
                               QCoreApplication::translate("frmSetup", "魚の管理"),
                               QCoreApplication::translate("frmSetup", "熱帯魚屋")};
    const std::array<std::function<void()>, 4> clicks{
        [this] { label_tag1_Click(); }, [this] { label_tag2_Click(); },
        [this] { label_tag3_Click(); }, [this] { label_tag4_Click(); }};
    for (int k = 1; k <= TabCount; ++k) {
        auto *label = new TabCaption(captions.at(k - 1), clicks[k - 1], this);
        label->setObjectName(QStringLiteral("label_tag%1").arg(k));
        QRect area = twipsToPixels(tabCaptionTwips(k));
        area.setHeight(twipsToPixels(paneTwips().top()) - area.top() - LineWidth);
        label->setGeometry(area);
        m_tabCaptions[k - 1] = label;
    }

    // The keyboard reaches the tabs as in other tabbed dialogs.
    const auto clickTab = [clicks](int k) { clicks[(k + TabCount - 1) % TabCount](); };
    for (const QKeySequence &keys : QKeySequence::keyBindings(QKeySequence::NextChild))
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this, clickTab] { clickTab(m_activeTab + 1); });
    QList<QKeySequence> previous = QKeySequence::keyBindings(QKeySequence::PreviousChild);
    previous.append(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab));
    for (const QKeySequence &keys : previous)
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this, clickTab] { clickTab(m_activeTab - 1); });
}

void frmSetup::buildButtons()
{
    const int top = twipsToPixels(paneTwips().bottom()) + 10;
    const int height = 26;
    QPushButton *about =
        button(QStringLiteral("cb_About"), QCoreApplication::translate("frmSetup", "ABOUT..."),
               {12, top, 90, height}, this);
    QPushButton *help = button(QStringLiteral("Command9"),
                               QCoreApplication::translate("frmSetup", "HELP＆README..."),
                               {108, top, 120, height}, this);
    help->setEnabled(false);
    QPushButton *ok = button(QStringLiteral("Ok"), QCoreApplication::translate("frmSetup", "OK"),
                             {350, top, 86, height}, this);
    ok->setDefault(true);
    m_ok = ok;
    QPushButton *cancel =
        button(QStringLiteral("Cancel"), QCoreApplication::translate("frmSetup", "ｷｬﾝｾﾙ"),
               {444, top, 86, height}, this);
    connect(about, &QPushButton::clicked, this, &frmSetup::cb_About_Click);
    connect(ok, &QPushButton::clicked, this, &frmSetup::Ok_Click);
    connect(cancel, &QPushButton::clicked, this, &frmSetup::Cancel_Click);

    // Shortcuts of an earlier plan; they stay out of reach in this version.
    const QStringList hidden[] = {
        {QStringLiteral("Command3"), QCoreApplication::translate("frmSetup", "魚の情報(&1)...")},
        {QStringLiteral("Command4"), QStringLiteral("FISHSHOP(&2)...")},
        {QStringLiteral("Command6"), QStringLiteral("DFAULT(&3)")}};
    for (const QStringList &names : hidden) {
        QPushButton *unused = button(names.at(0), names.at(1), {0, 0, 0, 0}, this);
        unused->setAutoDefault(false);
        unused->setEnabled(false);
        unused->hide();
        if (names.at(0) == QLatin1String("Command4"))
            connect(unused, &QPushButton::clicked, this, &frmSetup::Command4_Click);
    }
}

void frmSetup::buildPages(ScreenSize screen)
{
    m_environment = new EnvironmentTab(m_state, this);
    m_tank = new TankTab(m_clock, this);
    m_register = new FishRegisterTab(m_state, m_random, m_clock, screen, this);
    m_shop = new FishShopTab(m_state, m_random, m_clock, screen, this);
    m_pages = {m_environment, m_tank, m_register, m_shop};
    // Inside the pane's 2-pixel border.
    const QRect pane =
        twipsToPixels(paneTwips()).adjusted(LineWidth, LineWidth, -LineWidth, -LineWidth);
    for (QWidget *page : m_pages) {
        page->setGeometry(pane);
        page->hide();
        followLayoutInTabOrder(page);
    }
}

bool frmSetup::applyStep(const LoadStep &step)
{
    if (step.control == QLatin1String("Option_endpattern"))
        return step.number && m_environment->selectEndPattern(int(*step.number));
    QWidget *widget = findControl(this, step.control);
    switch (step.kind) {
    case LoadStep::Kind::Caption:
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            label->setText(step.text);
            return true;
        }
        if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
            edit->setText(step.text);
            return true;
        }
        return false;
    case LoadStep::Kind::Colour:
        if (auto *box = qobject_cast<ColourBox *>(widget); box && step.number) {
            box->setColour(std::uint32_t(*step.number));
            return true;
        }
        return false;
    case LoadStep::Kind::Value:
        break;
    }
    if (!step.number || *step.number < INT_MIN || *step.number > INT_MAX)
        return false;
    const int value = int(*step.number);
    if (auto *bar = qobject_cast<QScrollBar *>(widget))
        return setScrollValue(bar, value);
    if (auto *box = qobject_cast<QCheckBox *>(widget))
        return setCheckValue(box, value);
    if (auto *list = qobject_cast<QComboBox *>(widget))
        return setListIndex(list, value);
    return false;
}

void frmSetup::Form_Load()
{
    for (const LoadStep &step : loadSteps(designRecord(m_clock)))
        applyStep(step);
    // A step that fails leaves its control as it was and loading goes on.
    for (const LoadStep &step : loadSteps(m_state.settings))
        applyStep(step);
    m_tank->setWaterChanged(false);
    auto *bubbles = findChild<QScrollBar *>(QStringLiteral("HScroll_bubble_count_max"));
    bubbles->setMaximum(DialogBubbleLimit);
    setScrollValue(bubbles, bubbleCountForDialog(m_state.settings));
    takeWorkingFish(m_state);
    centreOnScreen(this);
    label_tag1_Click();
}

void frmSetup::ShowTab(int n)
{
    m_tabColours.fill(InactiveColour);
    if (n >= 1 && n <= TabCount) {
        m_tabColours[n - 1] = ActiveColour;
        m_activeTab = n;
    }
    for (int k = 1; k <= TabCount; ++k) {
        QPalette palette = m_tabCaptions[k - 1]->palette();
        palette.setColor(QPalette::WindowText, m_tabColours[k - 1]);
        m_tabCaptions[k - 1]->setPalette(palette);
    }
    // The new page first, so the focus can move onto it before the old page
    // hides; otherwise it would fall to the next button in the window.
    QWidget *shown = m_pages[m_activeTab - 1];
    shown->setVisible(true);
    keepFocusOnPage(shown);
    for (QWidget *page : m_pages) {
        if (page != shown)
            page->setVisible(false);
    }
    m_ok->setDefault(true);
    update();
}

void frmSetup::keepFocusOnPage(QWidget *page)
{
    const QWidget *focus = QApplication::focusWidget();
    const bool onHiddenPage = std::any_of(m_pages.begin(), m_pages.end(), [&](QWidget *other) {
        return other != page && other->isAncestorOf(focus);
    });
    if (focus && window()->isAncestorOf(focus) && !onHiddenPage)
        return;
    // The page's first control that takes the focus by the Tab key, so that
    // Enter still reaches OK; OK itself when the page has none.
    QWidget *next = page;
    for (int steps = 0; steps < 1000; ++steps) {
        next = next->nextInFocusChain();
        if (next == page || !next)
            break;
        if (page->isAncestorOf(next) && next->isVisibleTo(page) && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus) && !qobject_cast<QPushButton *>(next)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    m_ok->setFocus(Qt::TabFocusReason);
}

QColor frmSetup::tabColour(int k) const
{
    return k >= 1 && k <= TabCount ? m_tabColours[k - 1] : QColor();
}

bool frmSetup::waterChanged() const
{
    return m_tank->waterChanged();
}

void frmSetup::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(ActiveColour, LineWidth);
    painter.setPen(pen);
    painter.drawRect(twipsToPixels(paneTwips()));
    for (int k = 1; k <= TabCount; ++k) {
        pen.setColor(m_tabColours[k - 1]);
        painter.setPen(pen);
        const TabLines lines = tabLines(k);
        painter.drawLine(twipsToPixels(lines.first));
        painter.drawLine(twipsToPixels(lines.top));
        painter.drawLine(twipsToPixels(lines.third));
    }
    // Line_tagb: the window's own colour over the pane's border under the
    // active tab, so the tab opens into the pane.
    pen.setColor(palette().color(QPalette::Window));
    painter.setPen(pen);
    painter.drawLine(twipsToPixels(tabOpeningTwips(m_activeTab)));
}

void frmSetup::label_tag1_Click()
{
    ShowTab(1);
}

void frmSetup::label_tag2_Click()
{
    ShowTab(2);
}

void frmSetup::label_tag3_Click()
{
    if (m_register->open())
        ShowTab(3);
}

void frmSetup::label_tag4_Click()
{
    m_shop->open();
    ShowTab(4);
}

void frmSetup::Ok_Click()
{
    // Music that could not play is explained here rather than missed later.
    if (const std::optional<QString> refusal = m_environment->musicRefusal()) {
        ShowTab(1);
        showWarning(this, QCoreApplication::translate("frmSetup", "エラーメッセージ"), *refusal);
        findChild<QWidget *>(QStringLiteral("Text_soundfile"))->setFocus(Qt::OtherFocusReason);
        return;
    }
    const DialogControls controls(this, *m_environment);
    const SetupColours colours{m_environment->nameColour(), m_environment->backColour()};
    if (!commitSetup(m_state, m_random, m_clock, m_aquarium, colours, controls, waterChanged()))
        saveFailed();
    accept();
}

void frmSetup::saveFailed()
{
    // The settings are kept in memory (the aquarium saves again when it
    // closes), but the user must know the file was not written.
    showWarning(this, QCoreApplication::translate("frmSetup", "エラーメッセージ"),
                QCoreApplication::translate("frmSetup", "設定ファイルに書き込めませんでした。\n%1")
                    .arg(m_state.settingsPath));
}

void frmSetup::Cancel_Click()
{
    reject();
}

void frmSetup::cb_About_Click()
{
    frmAbout about(m_state, m_random, this);
    about.exec();
}

void frmSetup::Command4_Click()
{
    showInformation(this, QCoreApplication::translate("frmSetup", "作成中"),
                    QCoreApplication::translate("frmSetup", "開店準備中"));
}

void frmSetup::done(int result)
{
    giveIntervalBack(m_state, m_aquarium);
    QDialog::done(result);
}

} // namespace fw
