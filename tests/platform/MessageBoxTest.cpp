#include "platform/ui/MessageBox.h"
#include "platform/ui/OpenWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace fw;

namespace {

struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool modal = false;
    QPoint centre;
};

// Waits for the modal box, records what it shows and lets `answer` press one
// of its buttons (or close it).
void whenBoxShows(SeenBox &seen, std::function<void(QMessageBox *)> answer)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, &seen, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        poll->deleteLater();
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.modal = box->isModal();
        seen.centre = box->geometry().center();
        seen.buttons.clear();
        for (QAbstractButton *button : box->buttons())
            seen.buttons << button->text();
        answer(box);
    });
    poll->start();
}

QAbstractButton *buttonWithText(QMessageBox *box, const QString &prefix)
{
    for (QAbstractButton *button : box->buttons())
        if (button->text().startsWith(prefix))
            return button;
    return nullptr;
}

} // namespace

TEST(MessageBox, ShowsTitleTextIconAndOk)
{
    SeenBox seen;
    whenBoxShows(seen, [](QMessageBox *box) { buttonWithText(box, "OK")->click(); });
    const MessageResult result =
        showMessage(nullptr, "機能制限", "ビットマップが小さいので\n640×480 以上",
                    MessageIcon::Information, MessageButtons::Ok);
    EXPECT_EQ(result, MessageResult::Ok);
    EXPECT_EQ(seen.title, "機能制限");
    EXPECT_EQ(seen.text, "ビットマップが小さいので\n640×480 以上");
    EXPECT_EQ(seen.icon, QMessageBox::Information);
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
    EXPECT_TRUE(seen.modal);
    const QPoint screenCentre = QApplication::primaryScreen()->geometry().center();
    EXPECT_LE((seen.centre - screenCentre).manhattanLength(), 4);
}

TEST(MessageBox, YesNoReturnsTheButtonPressedAndClosingMeansNo)
{
    SeenBox seen;
    whenBoxShows(seen, [](QMessageBox *box) { buttonWithText(box, "はい")->click(); });
    EXPECT_TRUE(askYesNo(nullptr, "水槽から出す", "出してよろしいですか？"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons.size(), 2);

    whenBoxShows(seen, [](QMessageBox *box) { buttonWithText(box, "いいえ")->click(); });
    EXPECT_FALSE(askYesNo(nullptr, "水槽から出す", "出してよろしいですか？"));

    whenBoxShows(seen, [](QMessageBox *box) { box->reject(); });
    EXPECT_EQ(showMessage(nullptr, "t", "x", MessageIcon::Warning, MessageButtons::YesNo),
              MessageResult::No);
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
}

TEST(OpenWindows, FindsAVisibleWindowByItsIdentity)
{
    QWidget aquarium;
    QWidget other;
    setWindowIdentity(&aquarium, QString()); // an empty text is an identity too
    setWindowIdentity(&other, "frmSetup");
    EXPECT_EQ(findOpenWindow(QString()), nullptr); // not shown yet
    aquarium.show();
    other.show();
    EXPECT_EQ(findOpenWindow(QString()), &aquarium);
    EXPECT_EQ(findOpenWindow("frmSetup"), &other);
    EXPECT_EQ(findOpenWindow("frmAbout"), nullptr);
    other.hide();
    EXPECT_EQ(findOpenWindow("frmSetup"), nullptr);
}
