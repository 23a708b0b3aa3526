#include "dialogs/ui/AboutBox.h"

#include "dialogs/ui/AboutTankView.h"
#include "platform/Fonts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace fw {

namespace {

constexpr int T = AboutSwimmer::TwipsPerPixel;

// A small neon tetra facing right, for when the stored picture is missing.
QPixmap paintedTetra()
{
    QPixmap picture(26, 12);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tail;
    tail.moveTo(6, 6);
    tail.lineTo(0, 1);
    tail.lineTo(0, 11);
    tail.closeSubpath();
    painter.fillPath(tail, QColor(200, 200, 210));
    painter.setBrush(QColor(215, 215, 225));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(4, 2, 21, 8));
    painter.setBrush(QColor(210, 30, 40));
    painter.drawRect(QRectF(6, 6, 9, 3));
    painter.setBrush(QColor(40, 200, 230));
    painter.drawRect(QRectF(9, 4, 14, 2));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(20, 4, 2, 2));
    return picture;
}

QPixmap tetraPicture(const char *name, bool left)
{
    QPixmap stored = aboutPicture(QString::fromLatin1(name));
    if (!stored.isNull())
        return stored;
    const QPixmap right = paintedTetra();
    return left ? right.transformed(QTransform::fromScale(-1, 1)) : right;
}

QLabel *blueRule(QWidget *parent)
{
    auto *rule = new QLabel(parent);
    rule->setFixedHeight(3);
    rule->setAutoFillBackground(true);
    QPalette blue = rule->palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    rule->setPalette(blue);
    return rule;
}

QRect startingPlace(QSize fish)
{
    const QSize tank = AboutTankView::TankSize;
    return {(tank.width() - fish.width()) / 2 * T, (tank.height() - fish.height()) / 2 * T,
            fish.width() * T, fish.height() * T};
}

} // namespace

frmAbout::frmAbout(const AppState &state, Random &random, QWidget *parent)
    : QDialog(parent), m_random(random), m_tetraLeft(tetraPicture("Image_TetraL", true)),
      m_tetraRight(tetraPicture("Image_TetraR", false)),
      m_swimmer(QRect(QPoint(0, 0), AboutTankView::TankSize * T),
                startingPlace(m_tetraRight.size()))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QCoreApplication::translate("frmAbout", "About Screen Finwick"));
    setModal(true);
    setFont(uiFont());

    auto *title =
        new QLabel(QCoreApplication::translate("frmAbout", "Screen Finwick for Windows 95"), this);
    title->setObjectName(QStringLiteral("Label_title"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    if (titleFont.pixelSize() > 0)
        titleFont.setPixelSize(titleFont.pixelSize() * 3 / 2);
    else
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);
    auto *version = new QLabel(
        QCoreApplication::translate("frmAbout", "Version %1").arg(state.settings.version), this);
    version->setObjectName(QStringLiteral("Label_version"));

    m_tankView = new AboutTankView(this);

    auto *notice = new QLabel(
        QCoreApplication::translate("frmAbout", "熱帯魚を飼育するスクリーンセーバー"), this);
    notice->setObjectName(QStringLiteral("Label_notice1"));
    auto *platform =
        new QLabel(QCoreApplication::translate(
                       "frmAbout", "Linux デスクトップ版（C++ と Qt 6 で作り直したもの）"),
                   this);
    platform->setObjectName(QStringLiteral("Label_notice2"));

    auto *ok = new QPushButton(QCoreApplication::translate("frmAbout", "OK"), this);
    ok->setObjectName(QStringLiteral("cb_ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *head = new QHBoxLayout;
    head->addWidget(m_tankView);
    auto *texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    head->addLayout(texts, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(10);
    layout->addLayout(head);
    layout->addWidget(blueRule(this));
    layout->addWidget(notice);
    layout->addWidget(platform);
    layout->addWidget(blueRule(this));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_swimmer.start(m_random);
    showFish();

    m_timer = new QTimer(this);
    m_timer->setInterval(500);
    connect(m_timer, &QTimer::timeout, this, [this] { Timer_FishMove_Timer(); });
    m_timer->start();
}

void frmAbout::Timer_FishMove_Timer()
{
    m_swimmer.tick(m_random);
    showFish();
}

void frmAbout::showFish()
{
    m_showsLeft = m_swimmer.facesLeft();
    const QRect &fish = m_swimmer.fish();
    m_tankView->setFish(m_showsLeft ? m_tetraLeft : m_tetraRight,
                        QPoint(fish.x() / T, fish.y() / T));
}

void frmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred on the screen, like every dialog of the program.
    if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
}

} // namespace fw
