#include "window/widgets/jpeg_image.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
#include <utility>

// jpeglib.h needs FILE and size_t declared before it, and jerror.h needs
// jpeglib.h's configuration for its list of messages.
#include <jpeglib.h>

#include <jerror.h>

namespace tarnix {
namespace {

// A JPEG header may claim up to 65500 x 65500 pixels from a few bytes; refuse
// what Qt's own image readers refuse by default rather than allocate it.
constexpr std::size_t kMaxImageBytes = std::size_t{256} * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr pub;  // first, so libjpeg's pointer to it is ours too
    std::jmp_buf escape;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void escapeOnError(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->escape, 1);
}

// libjpeg only warns about damaged scan data and fills the rest with grey;
// such a picture is refused. Other warnings and trace messages are dropped
// instead of being printed on stderr.
void escapeOnDamagedData(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_MUST_RESYNC:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
        escapeOnError(cinfo);
    default:
        break;
    }
}

// Written after libjpeg's own example: every object alive across setjmp is a
// plain C struct or lives in the caller, so the long jump skips no destructor.
bool decode(const unsigned char* data, unsigned long size, QImage& image, ErrorManager& errors)
{
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = escapeOnError;
    errors.pub.emit_message = escapeOnDamagedData;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&cinfo);
        image = QImage();
        return false;
    }

    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    if (std::size_t{cinfo.image_width} * cinfo.image_height * 3 > kMaxImageBytes) {
        std::snprintf(errors.message, sizeof errors.message, "Picture of %u x %u pixels is too large",
                      cinfo.image_width, cinfo.image_height);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }

    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    image = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                   QImage::Format_RGB888);
    if (image.isNull()) {
        std::snprintf(errors.message, sizeof errors.message, "Out of memory for the picture");
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

}  // namespace

JpegImage::JpegImage(QImage image, QString errorText)
    : image_(std::move(image)), errorText_(std::move(errorText))
{
}

JpegImage JpegImage::fromBytes(QByteArrayView bytes)
{
    ErrorManager errors;
    errors.message[0] = '\0';
    QImage image;
    if (!decode(reinterpret_cast<const unsigned char*>(bytes.data()),
                static_cast<unsigned long>(bytes.size()), image, errors))
        return JpegImage(QImage(), QString::fromLocal8Bit(errors.message));
    return JpegImage(std::move(image), QString());
}

JpegImage JpegImage::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return JpegImage(QImage(), file.errorString());
    return fromBytes(file.readAll());
}

}  // namespace tarnix
