#include "aquarium/ClockText.h"

#include <QCoreApplication>

namespace fw {

QString ClockFormat(QStringView timestyle)
{
    // Each language writes dates its own way; the tokens stay.
    static constexpr const char *formats[] = {
        QT_TRANSLATE_NOOP("ClockFormat", "yyyy/mm/dd  hh:nn:ss"),
        QT_TRANSLATE_NOOP("ClockFormat", "yyyy/mm/dd hh:nn"),
        QT_TRANSLATE_NOOP("ClockFormat", "yyyy/mm/dd"),
        QT_TRANSLATE_NOOP("ClockFormat", "yy/mm/dd hh:nn:ss"),
        QT_TRANSLATE_NOOP("ClockFormat", "yy/mm/dd hh:nn"),
        QT_TRANSLATE_NOOP("ClockFormat", "yy/mm/dd"),
        QT_TRANSLATE_NOOP("ClockFormat", "hh:nn:ss"),
        QT_TRANSLATE_NOOP("ClockFormat", "hh:nn"),
    };
    int style = 0;
    if (timestyle.size() == 2 && timestyle[0] == u'0' && timestyle[1] >= u'0' &&
        timestyle[1] <= u'7')
        style = timestyle[1].unicode() - u'0';
    return QCoreApplication::translate("ClockFormat", formats[style]);
}

void ClockText::format(const QDateTime &when, QStringView format)
{
    const QDate date = when.date();
    const QTime time = when.time();
    m_length = 0;
    qsizetype i = 0;
    while (i < format.size()) {
        const QStringView rest = format.mid(i);
        if (rest.startsWith(u"yyyy")) {
            appendNumber(date.year(), 4);
            i += 4;
        } else if (rest.startsWith(u"yy")) {
            appendNumber(date.year() % 100, 2);
            i += 2;
        } else if (rest.startsWith(u"mm")) {
            appendNumber(date.month(), 2);
            i += 2;
        } else if (rest.startsWith(u"dd")) {
            appendNumber(date.day(), 2);
            i += 2;
        } else if (rest.startsWith(u"hh")) {
            appendNumber(time.hour(), 2);
            i += 2;
        } else if (rest.startsWith(u"nn")) {
            appendNumber(time.minute(), 2);
            i += 2;
        } else if (rest.startsWith(u"ss")) {
            appendNumber(time.second(), 2);
            i += 2;
        } else {
            append(format[i]);
            ++i;
        }
    }
}

void ClockText::assign(QStringView text)
{
    m_length = 0;
    for (QChar c : text)
        append(c);
}

void ClockText::append(QChar c)
{
    if (m_length < Capacity)
        m_chars[m_length++] = c;
}

void ClockText::appendNumber(int value, int digits)
{
    if (value < 0)
        value = -value;
    std::array<QChar, 10> reversed{};
    int count = 0;
    do {
        reversed[count++] = QChar(u'0' + value % 10);
        value /= 10;
    } while (value > 0 && count < 10);
    for (int pad = count; pad < digits; ++pad)
        append(u'0');
    while (count > 0)
        append(reversed[--count]);
}

} // namespace fw
