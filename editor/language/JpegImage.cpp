#include "language/JpegImage.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg's error manager, extended with the place to return to and the last text.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf returnPoint;
    char message[JMSG_LENGTH_MAX];
};

struct Decoder {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    QImage image;
    QString failure;
};

extern "C" void jumpOnError(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->returnPoint, 1);
}

// Warnings (a truncated file, corrupt data that libjpeg would paper over in grey) make the
// picture fail as well: the box shows a whole picture or none.
extern "C" void noteWarning(j_common_ptr cinfo, int msgLevel) {
    if (msgLevel >= 0)
        return; // trace messages
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    ++cinfo->err->num_warnings;
    if (cinfo->err->num_warnings == 1)
        (*cinfo->err->format_message)(cinfo, errors->message);
}

inline QRgb cmykToRgb(const JSAMPLE* p, bool inverted) {
    int c = p[0], m = p[1], y = p[2], k = p[3];
    if (inverted) { // Adobe writes CMYK inverted
        return qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
    return qRgb((255 - c) * (255 - k) / 255, (255 - m) * (255 - k) / 255,
                (255 - y) * (255 - k) / 255);
}

// Everything touched after setjmp lives in *d, outside this frame, so nothing is left
// indeterminate by the jump, and no C++ destructor is skipped by it.
bool decodeInto(Decoder* d, const unsigned char* bytes, unsigned long size) {
    d->cinfo.err = jpeg_std_error(&d->errors.pub);
    d->errors.pub.error_exit = jumpOnError;
    d->errors.pub.emit_message = noteWarning;
    d->errors.message[0] = '\0';

    if (setjmp(d->errors.returnPoint)) {
        jpeg_destroy_decompress(&d->cinfo);
        d->image = QImage();
        d->failure = QString::fromLocal8Bit(d->errors.message);
        return false;
    }

    jpeg_create_decompress(&d->cinfo);
    jpeg_mem_src(&d->cinfo, bytes, size);
    jpeg_read_header(&d->cinfo, TRUE);

    if (d->cinfo.image_width > MaxJpegSide || d->cinfo.image_height > MaxJpegSide) {
        d->failure = QStringLiteral("Picture size %1 x %2 not accepted")
                         .arg(d->cinfo.image_width)
                         .arg(d->cinfo.image_height);
        jpeg_destroy_decompress(&d->cinfo);
        return false;
    }

    const bool cmyk =
        d->cinfo.jpeg_color_space == JCS_CMYK || d->cinfo.jpeg_color_space == JCS_YCCK;
    d->cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&d->cinfo);

    const JDIMENSION width = d->cinfo.output_width;
    const JDIMENSION height = d->cinfo.output_height;
    d->image = QImage(int(width), int(height), QImage::Format_RGB32);
    if (d->image.isNull()) {
        d->failure = QStringLiteral("Not enough memory for the picture");
        jpeg_destroy_decompress(&d->cinfo);
        return false;
    }

    // The row buffer belongs to libjpeg's pool and goes with jpeg_destroy_decompress.
    const int components = d->cinfo.output_components;
    JSAMPARRAY row = (*d->cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&d->cinfo),
                                                   JPOOL_IMAGE, width * components, 1);
    const bool adobeInverted = cmyk && d->cinfo.saw_Adobe_marker;
    while (d->cinfo.output_scanline < height) {
        const int y = int(d->cinfo.output_scanline);
        jpeg_read_scanlines(&d->cinfo, row, 1);
        auto* out = reinterpret_cast<QRgb*>(d->image.scanLine(y));
        const JSAMPLE* in = row[0];
        for (JDIMENSION x = 0; x < width; ++x, in += components) {
            if (cmyk)
                out[x] = cmykToRgb(in, adobeInverted);
            else if (components == 3)
                out[x] = qRgb(in[0], in[1], in[2]);
            else
                out[x] = qRgb(in[0], in[0], in[0]);
        }
    }
    jpeg_finish_decompress(&d->cinfo);

    const bool clean = d->errors.pub.num_warnings == 0;
    if (!clean) {
        d->image = QImage();
        d->failure = QString::fromLocal8Bit(d->errors.message);
    }
    jpeg_destroy_decompress(&d->cinfo);
    return clean;
}

} // namespace

JpegDecodeResult decodeJpeg(const QByteArray& data) {
    if (data.isEmpty())
        return {QImage(), QStringLiteral("Empty picture data")};
    Decoder decoder{};
    const bool ok = decodeInto(&decoder, reinterpret_cast<const unsigned char*>(data.constData()),
                               static_cast<unsigned long>(data.size()));
    if (!ok) {
        if (decoder.failure.isEmpty())
            decoder.failure = QStringLiteral("The picture could not be decoded");
        return {QImage(), decoder.failure};
    }
    return {decoder.image, QString()};
}
