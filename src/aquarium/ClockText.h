#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <array>

namespace fw {

// The clock's format for a `timestyle` value: "00" to "07" select the eight
// formats, anything else (also "2") the first one. The result uses the tokens
// yyyy, yy, mm, dd, hh, nn (minutes) and ss, in the order and with the
// separators of the user's language.
QString ClockFormat(QStringView timestyle);

// A formatted clock in a fixed buffer, so formatting never allocates.
class ClockText
{
public:
    static constexpr int Capacity = 32;

    // Formats `when` with a format given by ClockFormat.
    void format(const QDateTime &when, QStringView format);
    void assign(QStringView text);

    QStringView view() const { return QStringView(m_chars.data(), m_length); }
    bool operator==(const ClockText &other) const { return view() == other.view(); }

private:
    void append(QChar c);
    void appendNumber(int value, int digits);

    std::array<QChar, Capacity> m_chars{};
    qsizetype m_length = 0;
};

} // namespace fw
