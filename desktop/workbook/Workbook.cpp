#include "workbook/Workbook.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <locale.h>
#include <xlsxwriter.h>
#include <zlib.h>

namespace Workbook {

namespace {

// The library formats numbers with printf's "%.16G": the C library's locale decides the
// decimal separator, and 16 digits do not always read back to the same double. It runs under
// the C locale for numbers, and the numbers are written again afterwards (fixNumbers).
class CNumericLocale {
public:
    CNumericLocale()
        : m_c(newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr))),
          m_previous(m_c ? uselocale(m_c) : static_cast<locale_t>(nullptr)) {}
    ~CNumericLocale() {
        if (m_c) {
            uselocale(m_previous);
            freelocale(m_c);
        }
    }
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

private:
    locale_t m_c;
    locale_t m_previous;
};

QString shortestText(double value) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return QString::fromLatin1(buffer, end - buffer);
}

// A number no spreadsheet holds (NaN, an infinity) goes as its text: the file stays valid.
Cell normalized(const Cell& cell) {
    if (const double* v = std::get_if<double>(&cell); v && !std::isfinite(*v))
        return QString::number(*v);
    return cell;
}

QString libraryError(lxw_error error) {
    return QString::fromUtf8(lxw_strerror(error));
}

// ---------------------------------------------------------------------------------------------
// The zip the library writes, read and written again with one part replaced.

std::uint32_t le32(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
std::uint16_t le16(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return std::uint16_t(p[0] | p[1] << 8);
}
void put32(QByteArray& out, std::uint32_t v) {
    const char bytes[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    out.append(bytes, 4);
}
void put16(QByteArray& out, std::uint16_t v) {
    const char bytes[2] = {char(v), char(v >> 8)};
    out.append(bytes, 2);
}

struct ZipEntry {
    QByteArray name;
    std::uint16_t method = 0, time = 0, date = 0;
    std::uint32_t crc = 0, size = 0, externalAttributes = 0;
    QByteArray data; // as stored (compressed with method)
};

std::optional<QList<ZipEntry>> readZip(const QByteArray& zip) {
    if (zip.size() < 22)
        return std::nullopt;
    qsizetype eocd = zip.size() - 22;
    while (eocd >= 0 && le32(zip, eocd) != 0x06054b50)
        --eocd;
    if (eocd < 0)
        return std::nullopt;
    const std::uint16_t count = le16(zip, eocd + 10);
    qsizetype at = le32(zip, eocd + 16);
    QList<ZipEntry> entries;
    for (int i = 0; i < count; ++i) {
        if (at + 46 > eocd || le32(zip, at) != 0x02014b50)
            return std::nullopt;
        ZipEntry e;
        e.method = le16(zip, at + 10);
        e.time = le16(zip, at + 12);
        e.date = le16(zip, at + 14);
        e.crc = le32(zip, at + 16);
        const std::uint32_t stored = le32(zip, at + 20);
        e.size = le32(zip, at + 24);
        const qsizetype nameSize = le16(zip, at + 28);
        const qsizetype skip = nameSize + le16(zip, at + 30) + le16(zip, at + 32);
        e.externalAttributes = le32(zip, at + 38);
        const qsizetype local = le32(zip, at + 42);
        // ZIP64 sizes or a data descriptor would need more than this reader knows.
        if (stored == 0xFFFFFFFFu || e.size == 0xFFFFFFFFu || at + 46 + skip > eocd ||
            local + 30 > zip.size() || le32(zip, local) != 0x04034b50 ||
            (e.method != 0 && e.method != Z_DEFLATED))
            return std::nullopt;
        e.name = zip.mid(at + 46, nameSize);
        const qsizetype data = local + 30 + le16(zip, local + 26) + le16(zip, local + 28);
        if (data + qsizetype(stored) > zip.size())
            return std::nullopt;
        e.data = zip.mid(data, stored);
        entries.append(e);
        at += 46 + skip;
    }
    return entries;
}

QByteArray writeZip(const QList<ZipEntry>& entries) {
    QByteArray out, directory;
    for (const ZipEntry& e : entries) {
        const auto offset = std::uint32_t(out.size());
        put32(out, 0x04034b50);
        for (std::uint16_t v : {std::uint16_t(20), std::uint16_t(0), e.method, e.time, e.date})
            put16(out, v);
        for (std::uint32_t v : {e.crc, std::uint32_t(e.data.size()), e.size})
            put32(out, v);
        put16(out, std::uint16_t(e.name.size()));
        put16(out, 0);
        out += e.name;
        out += e.data;

        put32(directory, 0x02014b50);
        for (std::uint16_t v :
             {std::uint16_t(20), std::uint16_t(20), std::uint16_t(0), e.method, e.time, e.date})
            put16(directory, v);
        for (std::uint32_t v : {e.crc, std::uint32_t(e.data.size()), e.size})
            put32(directory, v);
        put16(directory, std::uint16_t(e.name.size()));
        for (int i = 0; i < 4; ++i) // extra, comment, disk, internal attributes
            put16(directory, 0);
        put32(directory, e.externalAttributes);
        put32(directory, offset);
        directory += e.name;
    }
    const auto directoryOffset = std::uint32_t(out.size());
    out += directory;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, std::uint16_t(entries.size()));
    put16(out, std::uint16_t(entries.size()));
    put32(out, std::uint32_t(directory.size()));
    put32(out, directoryOffset);
    put16(out, 0);
    return out;
}

std::optional<QByteArray> inflated(const ZipEntry& e) {
    if (e.method == 0)
        return e.data;
    QByteArray out(qsizetype(e.size), Qt::Uninitialized);
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(e.data.constData()));
    z.avail_in = uInt(e.data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    const int status = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    if (status != Z_STREAM_END || z.total_out != e.size)
        return std::nullopt;
    return out;
}

bool setContents(ZipEntry& e, const QByteArray& contents) {
    z_stream z{};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        return false;
    QByteArray out(qsizetype(deflateBound(&z, uLong(contents.size()))), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(contents.constData()));
    z.avail_in = uInt(contents.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    const int status = deflate(&z, Z_FINISH);
    out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    if (status != Z_STREAM_END)
        return false;
    e.method = Z_DEFLATED;
    e.data = out;
    e.size = std::uint32_t(contents.size());
    e.crc = std::uint32_t(
        crc32(0, reinterpret_cast<const Bytef*>(contents.constData()), uInt(contents.size())));
    return true;
}

// Every number cell of the sheet's XML (a cell with no type, holding <v>) gets the shortest
// text of its value, in the order the cells were written; false when the cells found are not
// the numbers given.
bool fixNumbers(QByteArray& xml, const QList<double>& numbers) {
    QByteArray out;
    out.reserve(xml.size() + numbers.size() * 4);
    qsizetype from = 0, next = 0;
    for (qsizetype at = xml.indexOf("<c ", 0); at >= 0; at = xml.indexOf("<c ", at + 3)) {
        const qsizetype close = xml.indexOf('>', at);
        if (close < 0)
            return false;
        const QByteArray tag = xml.mid(at, close - at);
        if (tag.endsWith('/') || tag.contains(" t=\""))
            continue;
        const qsizetype value = close + 1;
        if (!xml.mid(value, 3).startsWith("<v>") || next >= numbers.size())
            return false;
        const qsizetype end = xml.indexOf("</v>", value);
        if (end < 0)
            return false;
        out += xml.mid(from, value + 3 - from);
        out += shortestText(numbers.at(next++)).toLatin1();
        from = end;
    }
    if (next != numbers.size())
        return false;
    out += xml.mid(from);
    xml = out;
    return true;
}

QByteArray withExactNumbers(const QByteArray& zip, const QList<double>& numbers) {
    std::optional<QList<ZipEntry>> entries = readZip(zip);
    if (!entries)
        return {};
    for (ZipEntry& e : *entries)
        if (e.name == "xl/worksheets/sheet1.xml") {
            std::optional<QByteArray> xml = inflated(e);
            if (!xml || !fixNumbers(*xml, numbers) || !setContents(e, *xml))
                return {};
            return writeZip(*entries);
        }
    return {};
}

} // namespace

double fromFloat(float value) {
    if (!std::isfinite(value))
        return double(value);
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    double wide = 0;
    std::from_chars(buffer, end, wide);
    return wide;
}

bool isWorkbookName(const QString& path) {
    return path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
}

QByteArray build(const Sheet& sheet, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return QByteArray();
    };
    // The library writes its file and its temporary parts by name: a folder of our own keeps
    // them away from the output, which is written only once the bytes are complete.
    QTemporaryDir dir;
    if (!dir.isValid())
        return fail(dir.errorString());
    const QByteArray folder = QFile::encodeName(dir.path());
    const QString file = dir.filePath(QStringLiteral("book.xlsx"));
    const QByteArray fileName = QFile::encodeName(file);

    const CNumericLocale numbers;
    lxw_workbook_options options{};
    options.tmpdir = const_cast<char*>(folder.constData());
    lxw_workbook* book = workbook_new_opt(fileName.constData(), &options);
    if (!book)
        return fail(libraryError(LXW_ERROR_MEMORY_MALLOC_FAILED));
    const QByteArray name = sheet.name.toUtf8();
    if (!name.isEmpty())
        if (const lxw_error bad = workbook_validate_sheet_name(book, name.constData())) {
            workbook_close(book);
            return fail(libraryError(bad));
        }
    lxw_worksheet* ws = workbook_add_worksheet(book, name.isEmpty() ? nullptr : name.constData());
    if (!ws) {
        workbook_close(book);
        return fail(libraryError(LXW_ERROR_MEMORY_MALLOC_FAILED));
    }
    QList<double> written;
    lxw_error status = LXW_NO_ERROR;
    const auto put = [&](lxw_row_t row, lxw_col_t col, const Cell& cell) {
        if (const double* v = std::get_if<double>(&cell)) {
            status = worksheet_write_number(ws, row, col, *v, nullptr);
            written.append(*v);
        } else if (const QString* text = std::get_if<QString>(&cell); text && !text->isEmpty()) {
            status = worksheet_write_string(ws, row, col, text->toUtf8().constData(), nullptr);
        }
        return status == LXW_NO_ERROR;
    };
    bool ok = true;
    for (qsizetype c = 0; ok && c < sheet.header.size(); ++c)
        ok = put(0, lxw_col_t(c), sheet.header.at(c));
    for (qsizetype r = 0; ok && r < sheet.rows.size(); ++r)
        for (qsizetype c = 0; ok && c < sheet.rows.at(r).size(); ++c)
            ok = put(lxw_row_t(r + 1), lxw_col_t(c), normalized(sheet.rows.at(r).at(c)));
    if (ok)
        worksheet_freeze_panes(ws, 1, 0);
    // Closing writes the file, and frees the workbook whatever happened before.
    const lxw_error closed = workbook_close(book);
    if (!ok)
        return fail(libraryError(status));
    if (closed != LXW_NO_ERROR)
        return fail(libraryError(closed));
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return fail(in.errorString());
    const QByteArray bytes = withExactNumbers(in.readAll(), written);
    if (bytes.isEmpty())
        return fail(QStringLiteral("The workbook's numbers could not be written."));
    return bytes;
}

std::optional<WriteFailure> write(const QString& path, const Sheet& sheet) {
    // A special file is refused before the work, as every other output.
    if (isSpecialFile(path))
        return WriteFailure{WriteFailure::Step::NotRegularFile, notRegularFileText(path)};
    QString error;
    const QByteArray bytes = build(sheet, &error);
    if (bytes.isEmpty())
        return WriteFailure{WriteFailure::Step::Write, error};
    return writeWhole(path, bytes.constData(), bytes.size());
}

} // namespace Workbook
