#pragma once

#include <QString>
#include <QStringView>

namespace fw {

// One fish as its fixed text of 120 characters (characters, not bytes):
//   1 species, 2-11 name, 12-16 birth day, 17 sex, 18-100 unused,
//   101-105 left, 106-110 top, 111-115 movex, 116-120 movey.
// Accessors return views into the text, so reading a record never allocates.
class FishRecord
{
public:
    static constexpr int Length = 120;

    FishRecord();                             // 120 spaces
    explicit FishRecord(const QString &text); // padded with spaces or cut to 120

    const QString &text() const { return m_text; }

    QChar species() const { return m_text.at(0); }
    QStringView name() const { return QStringView(m_text).mid(1, 10); }
    QStringView birthDayField() const { return QStringView(m_text).mid(11, 5); }
    int birthDay() const; // decimal-prefix conversion of the field
    QChar sex() const { return m_text.at(16); }
    int left() const;
    int top() const;
    int movex() const;
    int movey() const;

    // The species code as 0..5, or -1 for any other character.
    int speciesIndex() const;

    // Replaces the field named by key ("species", "name", "age", "sex",
    // "left", "top", "movex", "movey") with value, then cuts or pads the
    // record to 120. False for any other key.
    bool setField(QStringView key, QStringView value);

    // A number as the five characters of a numeric field: "00123", "-0005".
    static QString numberField(int value);

    friend bool operator==(const FishRecord &, const FishRecord &) = default;

private:
    QString m_text;
};

} // namespace fw
