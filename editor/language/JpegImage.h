#pragma once
// Decodes a JPEG held in memory with libjpeg. A damaged or truncated picture gives an
// error text instead of ending the program (libjpeg's own error handler calls exit()).

#include <QByteArray>
#include <QImage>
#include <QString>

struct JpegDecodeResult {
    QImage image;  // RGB32; null on failure
    QString error; // empty on success

    bool ok() const { return error.isEmpty(); }
};

// Pictures larger than this on either side are refused rather than allocated.
inline constexpr int MaxJpegSide = 8192;

JpegDecodeResult decodeJpeg(const QByteArray& data);
