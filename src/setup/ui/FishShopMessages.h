#pragma once

#include <QString>

class QWidget;

namespace fw {

// The message boxes the fish shop and fish register tabs show. The tabs ask
// through this interface so that tests can answer the questions themselves.
class FishShopMessages
{
public:
    virtual ~FishShopMessages() = default;
    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    virtual void warning(QWidget *parent, const QString &title, const QString &text) = 0;
    // True when the user answers yes, with the button `yesText` (empty texts
    // give Yes and No).
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text,
                          const QString &yesText, const QString &noText) = 0;
};

// The program's own modal message boxes.
class FishShopMessageBoxes final : public FishShopMessages
{
public:
    void information(QWidget *parent, const QString &title, const QString &text) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &text,
                  const QString &yesText, const QString &noText) override;

    // The one instance the tabs use unless told otherwise.
    static FishShopMessageBoxes &standard();
};

} // namespace fw
