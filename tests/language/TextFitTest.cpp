#include "InstalledTranslation.h"

#include "aquarium/BackgroundPreparation.h"
#include "dialogs/ui/AboutBox.h"
#include "dialogs/ui/frmColorSelect.h"
#include "dialogs/ui/frmFileSelect.h"
#include "platform/Fonts.h"
#include "platform/Random.h"
#include "setup/FishRegister.h"
#include "setup/MusicChoice.h"
#include "setup/ui/frmSetup.h"
#include "state/AppState.h"
#include "state/SettingsKeys.h"
#include "support/FixedClock.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace fw {
namespace {

// The text as drawn: a single "&" marks the mnemonic and takes no room.
QString drawnText(const QString &text)
{
    QString drawn;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        drawn += text[i];
    }
    return drawn;
}

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : drawnText(text).split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString describe(const QWidget *widget, const QString &text, int needed, int room)
{
    return QStringLiteral("%1 \"%2\": needs %3 px, has %4")
        .arg(widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                            : widget->objectName(),
             text)
        .arg(needed)
        .arg(room);
}

// Every text of the shown controls of `window` that its control cannot hold
// in full, measured with the control's own font and its style's margins.
QStringList misfits(QWidget *window)
{
    QStringList found;
    const auto check = [&found](const QWidget *widget, const QString &text, int needed, int room) {
        if (needed > room)
            found << describe(widget, text, needed, room);
    };
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        const QFontMetrics metrics(widget->font());
        QStyle *style = widget->style();
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->text().isEmpty())
                continue;
            const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                              -label->margin(), -label->margin());
            if (label->wordWrap()) {
                check(label, label->text(), label->heightForWidth(label->width()), label->height());
                continue;
            }
            check(label, label->text(), widestLine(metrics, label->text()), room.width());
            const int lines = int(label->text().count(u'\n')) + 1;
            check(label, label->text(), lines * metrics.height(), room.height());
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            if (button->text().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QStyle::SubElement contents =
                qobject_cast<QCheckBox *>(button)      ? QStyle::SE_CheckBoxContents
                : qobject_cast<QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                       : QStyle::SE_PushButtonContents;
            const QRect room = style->subElementRect(contents, &option, button);
            check(button, button->text(), widestLine(metrics, button->text()), room.width());
        } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            option.textAlignment = box->alignment();
            const QRect title =
                style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
            check(box, box->title(), title.right() + 1, box->width());
        } else if (auto *combo = qobject_cast<QComboBox *>(widget);
                   combo && combo->objectName() != u"drvDrive") { // drives are the machine's
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = false;
            const QRect room = style->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i)
                check(combo, combo->itemText(i), metrics.horizontalAdvance(combo->itemText(i)),
                      room.width());
        }
    }
    return found;
}

class TextFit : public ::testing::TestWithParam<QString>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        state.settingsPath = folder.filePath(QStringLiteral("FINWICKS.INI"));
        for (const SettingKey &key : settingKeys())
            assignSetting(state.settings, key, firstRunValue(key, clock, {1024, 768}));
    }

    QTemporaryDir folder;
    test::FixedClock clock;
    SeededRandom random{7};
    AppState state;
    test::InstalledTranslation translation{GetParam()};
};

TEST_P(TextFit, EveryTabOfTheConfigurationDialogHoldsItsTexts)
{
    frmSetup dialog(state, random, clock, ScreenSize{1024, 768}, nullptr);
    dialog.show();
    for (int tab = 1; tab <= 4; ++tab) {
        dialog.ShowTab(tab);
        QApplication::processEvents();
        EXPECT_EQ(misfits(&dialog).join(u'\n').toStdString(), "") << "tab " << tab;
    }
    // The shop's species list and catalogue show every species in full.
    dialog.ShowTab(4);
    auto *species = dialog.findChild<QListWidget *>();
    auto *catalogue = dialog.findChild<QPlainTextEdit *>();
    ASSERT_NE(species, nullptr);
    ASSERT_NE(catalogue, nullptr);
    const QFontMetrics metrics(species->font());
    for (int row = 0; row < species->count(); ++row) {
        species->setCurrentRow(row);
        QApplication::processEvents();
        const QString name = species->item(row)->text();
        EXPECT_LE(metrics.horizontalAdvance(name) + 2 * species->frameWidth(),
                  species->viewport()->width())
            << name.toStdString();
        EXPECT_FALSE(catalogue->verticalScrollBar()->isVisible()) << name.toStdString();
    }
}

TEST_P(TextFit, TheChoosersAndTheAboutBoxHoldTheirTexts)
{
    frmSetup caller(state, random, clock, ScreenSize{1024, 768}, nullptr);
    caller.show();
    state.handOff.colorCaller = QStringLiteral("frmSetup");
    state.handOff.colorTarget = QStringLiteral("pic_NameColor");
    frmColorSelect colours(state);
    colours.show();
    QApplication::processEvents();
    EXPECT_EQ(misfits(&colours).join(u'\n').toStdString(), "");

    frmFileSelect files(state);
    files.show();
    QApplication::processEvents();
    EXPECT_EQ(misfits(&files).join(u'\n').toStdString(), "");

    frmAbout about(state, random);
    about.show();
    QApplication::processEvents();
    EXPECT_EQ(misfits(&about).join(u'\n').toStdString(), "");
}

// A message box grows with its text but wraps lines longer than about 500
// pixels; every line of every message stays shorter, so each box looks as
// the Japanese one does.
TEST_P(TextFit, MessagesKeepTheirLinesUnwrapped)
{
    QStringList messages{emptyTankMessage(),     lastFishMessage(),
                         refusalTitle(),         nameErrorTitle(),
                         releaseTitle(),         releaseQuestion(QStringLiteral("ﾌｨﾝｳｨｯｸ")),
                         pictureTooSmallTitle(), pictureTooSmallText()};
    for (NameCheck check :
         {NameCheck::Missing, NameCheck::TooLong, NameCheck::Duplicate, NameCheck::Unencodable}) {
        const NameError error = nameErrorText(check);
        messages << error.problem << error.advice;
    }
    // The music refusals: none chosen, missing, no sound, no file, a name
    // the settings cannot keep.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString notSound = folder.filePath(QStringLiteral("notes.ogg"));
    QFile text(notSound);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("no sound in here");
    text.close();
    for (const QString &file :
         {QString(), folder.filePath(QStringLiteral("gone.ogg")), notSound,
          QStringLiteral("/dev/zero"), QStringLiteral("/m/\u00e9t\u00e9.ogg")})
        messages << musicRefusal(true, file).value_or(QString());
    const QFontMetrics metrics(uiFont());
    for (const QString &message : messages) {
        EXPECT_FALSE(message.isEmpty());
        EXPECT_LE(widestLine(metrics, message), 500) << message.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, ::testing::ValuesIn(test::shownLanguages()),
                         [](const auto &info) { return info.param.toStdString(); });

// Each translation keeps the placeholders and the line count of its source,
// so no value is lost and no box grows a line.
// The placeholders of a text, sorted; "%n" is a count's plural form.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
    QStringList found;
    for (const auto &m : placeholder.globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

// A translation keeps its source's placeholders and lines. A plural form may
// write the count as %n where the source has %1; a unit may place the value
// (%1) and the folder error may name the folder (%2), as the code offers.
void checkTranslation(const QString &context, const QString &comment, const QString &source,
                      QString translation)
{
    QStringList wanted = placeholders(source);
    if (context == u"Units")
        wanted << QStringLiteral("%1");
    if (comment == u"folder error")
        wanted << QStringLiteral("%2");
    if (placeholders(translation).contains(QStringLiteral("%n")))
        translation.replace(QStringLiteral("%n"), QStringLiteral("%1"));
    QStringList given = placeholders(translation);
    if (context == u"Units" && !given.contains(QStringLiteral("%1")))
        given << QStringLiteral("%1");
    wanted.removeDuplicates();
    wanted.sort();
    EXPECT_EQ(wanted, given) << source.toStdString() << " -> " << translation.toStdString();
    EXPECT_EQ(source.count(u'\n'), translation.count(u'\n')) << source.toStdString();
}

TEST(TranslationFiles, KeepPlaceholdersAndLines)
{
    for (const QString &language : test::shownLanguages().mid(1)) {
        QFile file(
            QStringLiteral(FINWICKS_SOURCE_DIR "/translations/finwicks_%1.ts").arg(language));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language.toStdString();
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        QString comment;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                comment.clear();
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"comment") {
                comment = xml.readElementText();
            } else if (xml.name() == u"translation") {
                ++messages;
                if (xml.attributes().hasAttribute(QStringLiteral("type")))
                    ADD_FAILURE() << "unfinished: " << source.toStdString();
                // A plural message holds its forms; each is checked alone.
                QString text;
                bool plural = false;
                while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement &&
                                         xml.name() == u"translation")) {
                    if (xml.isStartElement() && xml.name() == u"numerusform") {
                        plural = true;
                        checkTranslation(context, comment, source, xml.readElementText());
                    } else if (xml.isCharacters()) {
                        text += xml.text();
                    }
                }
                if (!plural)
                    checkTranslation(context, comment, source, text);
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.lineNumber() << ": " << xml.errorString().toStdString();
        EXPECT_GT(messages, 200);
    }
}

} // namespace
} // namespace fw
