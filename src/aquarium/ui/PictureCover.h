#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

namespace fw {

// The cover panel (`PictureScreenMask`): hides the half-prepared scene while
// the background is laid out, with the caption "画像展開中..." centred on it.
class PictureCover : public QWidget
{
    Q_OBJECT

public:
    explicit PictureCover(QWidget *parent = nullptr);

    void setColours(QColor background, QColor text);
    void setCaptionFont(const QFont &font);

    // Covers the parent and is painted at once, before the caller goes on to
    // decode a picture on this same thread.
    void showNow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background = Qt::black;
    QColor m_text = Qt::white;
};

} // namespace fw
