// Decoding through libjpeg: pictures written by libjpeg's own compressor come
// back with their size and colours; damaged or foreign data gives a null
// image with a reason, never a crash or a half-grey picture.

#include "window/widgets/jpeg_image.h"

#include <QTemporaryDir>
#include <QTest>

#include <cstdio>  // jpeglib.h needs FILE
#include <cstdlib>
#include <random>

#include <jpeglib.h>

using tarnix::JpegImage;

namespace {

// Grayscale8 is written with one component, anything else as RGB. libjpeg's
// default error handler exits, which is fine for pictures drawn here.
QByteArray encodeJpeg(const QImage& image)
{
    const bool grey = image.format() == QImage::Format_Grayscale8;
    const QImage source = grey ? image : image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(source.width());
    cinfo.image_height = JDIMENSION(source.height());
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        auto row = const_cast<JSAMPROW>(source.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

// JPEG is lossy: a flat area comes back within a few steps per channel.
bool near(QColor actual, QColor expected)
{
    return std::abs(actual.red() - expected.red()) <= 12 && std::abs(actual.green() - expected.green()) <= 12 &&
           std::abs(actual.blue() - expected.blue()) <= 12;
}

QByteArray redLeftBlueRight()
{
    QImage image(32, 16, QImage::Format_RGB888);
    image.fill(Qt::red);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 16; x < image.width(); ++x)
            image.setPixelColor(x, y, Qt::blue);
    return encodeJpeg(image);
}

// Random bytes after `prefix`; as a picture, noise keeps the scan data long.
QByteArray noise(QByteArray prefix, int count)
{
    std::mt19937 random(1234);
    while (prefix.size() < count)
        prefix.append(char(random() % 256));
    return prefix;
}

QByteArray noisePicture()
{
    QByteArray pixels = noise(QByteArray(), 64 * 64 * 3);
    return encodeJpeg(QImage(reinterpret_cast<const uchar*>(pixels.constData()), 64, 64, 64 * 3,
                             QImage::Format_RGB888));
}

// The frame header (SOF0) holds the height, then the width.
QByteArray withClaimedSize(QByteArray jpeg, int size)
{
    const qsizetype frame = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    for (int at : {5, 7}) {
        jpeg[frame + at] = char(size >> 8);
        jpeg[frame + at + 1] = char(size & 0xFF);
    }
    return jpeg;
}

}  // namespace

class JpegImageTest : public QObject {
    Q_OBJECT

private slots:
    void decodesSizeAndColours()
    {
        const JpegImage decoded = JpegImage::fromBytes(redLeftBlueRight());
        QVERIFY2(!decoded.isNull(), qPrintable(decoded.errorText()));
        QCOMPARE(decoded.image().size(), QSize(32, 16));
        QVERIFY(near(decoded.image().pixelColor(4, 8), Qt::red));
        QVERIFY(near(decoded.image().pixelColor(28, 8), Qt::blue));
    }

    void decodesGreyPictureAsColour()
    {
        QImage grey(16, 16, QImage::Format_Grayscale8);
        grey.fill(QColor(200, 200, 200));
        const JpegImage decoded = JpegImage::fromBytes(encodeJpeg(grey));
        QCOMPARE(decoded.image().format(), QImage::Format_RGB888);
        QVERIFY(near(decoded.image().pixelColor(8, 8), QColor(200, 200, 200)));
    }

    void refusesBadData_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray picture = noisePicture();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("random bytes") << noise(QByteArray(), 4096);
        QTest::newRow("random bytes after the start marker") << noise(QByteArray("\xFF\xD8", 2), 4096);
        QTest::newRow("cut in the headers") << picture.left(40);
        QTest::newRow("cut in the scan data") << picture.left(picture.size() * 3 / 5);
    }

    void refusesBadData()
    {
        QFETCH(QByteArray, bytes);
        const JpegImage decoded = JpegImage::fromBytes(bytes);
        QVERIFY(decoded.isNull());
        QVERIFY(!decoded.errorText().isEmpty());
    }

    // A few hundred bytes may claim gigabytes of pixels: refused from the
    // header, before any memory is taken for them.
    void refusesHugePictureBeforeDecoding()
    {
        const JpegImage decoded = JpegImage::fromBytes(withClaimedSize(noisePicture(), 60000));
        QVERIFY(decoded.isNull());
        QVERIFY2(decoded.errorText().contains(QStringLiteral("60000 x 60000")), qPrintable(decoded.errorText()));
    }

    void readsFilesAndRefusesEmptyOrMissingOnes()
    {
        QTemporaryDir folder;
        QFile picture(folder.filePath(QStringLiteral("picture.jpg")));
        QVERIFY(picture.open(QIODevice::WriteOnly) && picture.write(redLeftBlueRight()) > 0);
        picture.close();
        QFile empty(folder.filePath(QStringLiteral("empty.jpg")));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();

        QCOMPARE(JpegImage::fromFile(picture.fileName()).image().size(), QSize(32, 16));
        for (const QString& name : {QStringLiteral("empty.jpg"), QStringLiteral("missing.jpg")}) {
            const JpegImage decoded = JpegImage::fromFile(folder.filePath(name));
            QVERIFY2(decoded.isNull() && !decoded.errorText().isEmpty(), qPrintable(name));
        }
    }
};

int runJpegImageTests(int argc, char** argv)
{
    JpegImageTest tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "jpeg_image_test.moc"
