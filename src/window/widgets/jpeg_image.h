#pragma once
// A JPEG picture decoded with libjpeg. Damaged, truncated or foreign data
// gives a null image and the reason, never a half-decoded picture, and never
// ends the process the way libjpeg's default error handler does.

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace tarnix {

class JpegImage {
public:
    static JpegImage fromBytes(QByteArrayView bytes);
    // Any path QFile opens, resource paths (":/...") included.
    static JpegImage fromFile(const QString& path);

    bool isNull() const { return image_.isNull(); }
    // Format_RGB888 whatever the colour space in the file; null on failure.
    const QImage& image() const { return image_; }
    // Empty on success.
    const QString& errorText() const { return errorText_; }

private:
    JpegImage(QImage image, QString errorText);

    QImage image_;
    QString errorText_;
};

}  // namespace tarnix
