#include "WorkbookReader.h"

#include <QFile>
#include <QXmlStreamReader>
#include <zlib.h>

namespace {

quint32 le(const QByteArray& b, qsizetype at, int size) {
    quint32 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | quint8(b.at(at + i));
    return v;
}

} // namespace

QMap<QString, QByteArray> zipParts(const QByteArray& zip) {
    QMap<QString, QByteArray> parts;
    const qsizetype eocd = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (eocd < 0 || eocd + 22 > zip.size())
        return {};
    qsizetype at = le(zip, eocd + 16, 4);
    for (quint32 n = le(zip, eocd + 10, 2); n > 0; --n) {
        if (at + 46 > zip.size() || le(zip, at, 4) != 0x02014b50)
            return {};
        const quint32 size = le(zip, at + 24, 4), nameSize = le(zip, at + 28, 2),
                      local = le(zip, at + 42, 4);
        const qsizetype data = local + 30 + le(zip, local + 26, 2) + le(zip, local + 28, 2);
        QByteArray bytes = zip.mid(data, le(zip, at + 20, 4));
        if (le(zip, at + 10, 2) == 8) { // deflated
            QByteArray out(size, '\0');
            z_stream z{};
            inflateInit2(&z, -MAX_WBITS);
            z.next_in = reinterpret_cast<Bytef*>(bytes.data());
            z.avail_in = uInt(bytes.size());
            z.next_out = reinterpret_cast<Bytef*>(out.data());
            z.avail_out = uInt(out.size());
            const int status = inflate(&z, Z_FINISH);
            inflateEnd(&z);
            if (status != Z_STREAM_END)
                return {};
            bytes = out;
        }
        if (crc32(0, reinterpret_cast<const Bytef*>(bytes.constData()), uInt(bytes.size())) !=
            le(zip, at + 16, 4))
            return {};
        parts.insert(QString::fromUtf8(zip.mid(at + 46, nameSize)), bytes);
        at += 46 + nameSize + le(zip, at + 30, 2) + le(zip, at + 32, 2);
    }
    return parts;
}

WorkbookCells readWorkbook(const QByteArray& xlsx) {
    const QMap<QString, QByteArray> parts = zipParts(xlsx);
    WorkbookCells out;
    if (!parts.contains("xl/worksheets/sheet1.xml"))
        return out;
    QStringList shared;
    QXmlStreamReader strings(parts.value("xl/sharedStrings.xml"));
    while (!strings.atEnd())
        if (strings.readNext() == QXmlStreamReader::StartElement && strings.name() == u"t")
            shared << strings.readElementText();
    QXmlStreamReader sheet(parts.value("xl/worksheets/sheet1.xml"));
    QString ref, type;
    while (!sheet.atEnd()) {
        if (sheet.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (sheet.name() == u"pane")
            out.headerFrozen = sheet.attributes().value("ySplit") == u"1" &&
                               sheet.attributes().value("state") == u"frozen";
        if (sheet.name() == u"c") {
            ref = sheet.attributes().value("r").toString();
            type = sheet.attributes().value("t").toString();
        } else if (sheet.name() == u"v") {
            const QString v = sheet.readElementText();
            out.cells[ref] = type == u"s" ? "s:" + shared.value(v.toInt()) : type + "n:" + v;
        }
    }
    out.valid = !sheet.hasError();
    return out;
}

WorkbookCells readWorkbookFile(const QString& path) {
    QFile file(path);
    return readWorkbook(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}
