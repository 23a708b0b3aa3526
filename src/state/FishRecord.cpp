#include "state/FishRecord.h"

#include "platform/Conversions.h"

namespace fw {

namespace {

struct Field
{
    const char16_t *key;
    int start; // 0-based
    int width;
};

constexpr Field fields[] = {
    {u"species", 0, 1}, {u"name", 1, 10}, {u"age", 11, 5},    {u"sex", 16, 1},
    {u"left", 100, 5},  {u"top", 105, 5}, {u"movex", 110, 5}, {u"movey", 115, 5},
};

const Field *findField(QStringView key)
{
    for (const Field &field : fields) {
        if (key == QStringView(field.key))
            return &field;
    }
    return nullptr;
}

QString fitted(QString text)
{
    if (text.size() > FishRecord::Length)
        text.truncate(FishRecord::Length);
    else if (text.size() < FishRecord::Length)
        text.append(QString(FishRecord::Length - text.size(), u' '));
    return text;
}

int numericField(const QString &text, int start)
{
    return nearestInt(decimalPrefix(QStringView(text).mid(start, 5)));
}

} // namespace

FishRecord::FishRecord() : m_text(Length, u' ') {}

FishRecord::FishRecord(const QString &text) : m_text(fitted(text)) {}

int FishRecord::birthDay() const
{
    return nearestInt(decimalPrefix(birthDayField()));
}

int FishRecord::left() const
{
    return numericField(m_text, 100);
}

int FishRecord::top() const
{
    return numericField(m_text, 105);
}

int FishRecord::movex() const
{
    return numericField(m_text, 110);
}

int FishRecord::movey() const
{
    return numericField(m_text, 115);
}

int FishRecord::speciesIndex() const
{
    const char16_t code = species().unicode();
    return code >= u'0' && code <= u'5' ? code - u'0' : -1;
}

bool FishRecord::setField(QStringView key, QStringView value)
{
    const Field *field = findField(key);
    if (!field)
        return false;
    QString text = m_text.left(field->start);
    text += value;
    text += QStringView(m_text).mid(field->start + field->width);
    m_text = fitted(std::move(text));
    return true;
}

QString FishRecord::numberField(int value)
{
    // Five characters whatever the value, so a far-off position can never push
    // the fields after it out of place.
    if (value < 0)
        return u'-' + QString::number(std::min(-static_cast<long long>(value), 9999LL))
                          .rightJustified(4, u'0');
    return QString::number(std::min(value, 99999)).rightJustified(5, u'0');
}

} // namespace fw
