#pragma once

#include <QFrame>
#include <QImage>

namespace qel {

// A picture display: shows its picture stretched to fill its frame (the usual case), or unscaled
// from its top-left corner. Empty, it shows just its background.
class ImageView : public QFrame {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    void setImage(const QImage& image);
    void clear() { setImage(QImage()); }
    const QImage& image() const { return m_image; }
    bool hasImage() const { return !m_image.isNull(); }

    void setStretch(bool stretch);
    bool stretch() const { return m_stretch; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
    bool m_stretch = true;
};

} // namespace qel
