#include "reports/SheetPainter.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QSvgRenderer>
#include <algorithm>
#include <limits>
#include <memory>

// The window's resources live in a static library: nothing else would pull their
// registration into a program that never makes the window, such as the command line.
static void initWindowResources() {
    Q_INIT_RESOURCE(window);
}

QString logoResource() {
    static const bool registered = (initWindowResources(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/window/logo.svg");
}

QFont sheetFont(SheetFont use) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setKerning(false);
    switch (use) {
    case SheetFont::Title:
        font.setPointSize(20);
        break;
    case SheetFont::Heading:
        font.setPointSize(12);
        font.setUnderline(true);
        break;
    case SheetFont::Body:
        font.setPointSize(10);
        break;
    case SheetFont::Footer:
        font.setPointSize(6);
        break;
    }
    return font;
}

TextWidth textWidthOn(QPaintDevice* device) {
    auto metrics = std::make_shared<QHash<int, QFontMetrics>>();
    return [device, metrics](SheetFont use, const QString& text) {
        auto it = metrics->find(int(use));
        if (it == metrics->end())
            it = metrics->insert(int(use), QFontMetrics(sheetFont(use), device));
        return it->horizontalAdvance(text);
    };
}

namespace {

// A text whose every character is one cell of the sheet's monospaced face: printable
// ASCII and Latin-1, what the sheet's values are made of, but the soft hyphen (which Qt
// sets with no width). Anything else is left to drawText().
bool isPlainCells(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF && u != 0xAD);
    });
}

// Draws text with its baseline's left end at origin, as drawText() would: each character's
// glyph of the face, one after the other at its advance. The sheet aligns its columns with
// blanks, a third of its characters, and a PDF spends as much on a blank as on a letter (its
// placement, then its compression) though a blank shows nothing: so the glyphs are placed here,
// blanks left out, with no text shaping (a monospaced face has nothing to shape). An
// underlined text, and one with a character the face lacks, go through drawText().
void drawCells(QPainter& painter, const QRawFont& face, QPointF origin, const QString& text) {
    if (painter.font().underline() || !face.isValid() || !isPlainCells(text)) {
        painter.drawText(origin, text);
        return;
    }
    const QList<quint32> glyphs = face.glyphIndexesForString(text);
    if (glyphs.size() != text.size() || glyphs.contains(0u)) {
        painter.drawText(origin, text);
        return;
    }
    const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs);
    QList<quint32> shown;
    QList<QPointF> positions;
    shown.reserve(glyphs.size());
    positions.reserve(glyphs.size());
    QPointF at;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        if (text.at(i) != u' ') {
            shown.append(glyphs.at(i));
            positions.append(at);
        }
        at += advances.at(i);
    }
    if (shown.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(face);
    run.setGlyphIndexes(shown);
    run.setPositions(positions);
    painter.drawGlyphRun(origin, run);
}

// The top of the nearest text line below a text command's own; none: a large value.
int nextLineTop(const DrawList& commands, const DrawCommand& text) {
    int top = std::numeric_limits<int>::max();
    for (const DrawCommand& c : commands)
        if (c.kind == DrawCommand::Kind::Text && c.pos.y() > text.pos.y())
            top = std::min(top, c.pos.y());
    return top;
}

} // namespace

QRectF underlineBar(const QFontMetricsF& metrics, QPointF baseline, qreal width, qreal below) {
    const qreal thickness = std::max<qreal>(metrics.lineWidth(), 1);
    QRectF bar(baseline.x(), baseline.y() + metrics.underlinePos(), width, thickness);
    // The sheet's headings stand closer to the line below than a 12 pt line with its
    // underline needs: the bar then goes in the middle of the room between the heading's
    // baseline and the top of that line, clear of its capitals and accents.
    const qreal clearance = thickness / 2;
    if (bar.bottom() > below - clearance)
        bar.moveTop(std::max(baseline.y(), (baseline.y() + below - thickness) / 2));
    return bar;
}

void paintCommands(QPainter& painter, const DrawList& commands) {
    int current = -1;
    QRawFont face;
    // One parse of each picture for the whole job, not one per page.
    static QHash<QString, std::shared_ptr<QSvgRenderer>> pictures;
    for (const DrawCommand& c : commands) {
        switch (c.kind) {
        case DrawCommand::Kind::Text: {
            if (int(c.font) != current) {
                painter.setFont(sheetFont(c.font));
                face = QRawFont::fromFont(painter.font());
                current = int(c.font);
            }
            // The position is the top-left corner of the first character cell.
            const QPointF baseline(c.pos.x(), c.pos.y() + painter.fontMetrics().ascent());
            if (!painter.font().underline()) {
                drawCells(painter, face, baseline, c.text);
                break;
            }
            const QFontMetricsF metrics(painter.font(), painter.device());
            const QRectF bar = underlineBar(metrics, baseline, metrics.horizontalAdvance(c.text),
                                            nextLineTop(commands, c));
            if (bar.top() == baseline.y() + metrics.underlinePos()) {
                drawCells(painter, face, baseline, c.text); // the font's own underline fits
                break;
            }
            QFont plain = painter.font();
            plain.setUnderline(false);
            painter.setFont(plain);
            painter.drawText(baseline, c.text);
            painter.fillRect(bar, painter.pen().color());
            painter.setFont(sheetFont(c.font));
            break;
        }
        case DrawCommand::Kind::Svg: {
            std::shared_ptr<QSvgRenderer>& renderer = pictures[c.svgPath];
            if (!renderer)
                renderer = std::make_shared<QSvgRenderer>(c.svgPath);
            // render() maps the picture onto the rectangle without keeping its proportions.
            renderer->render(&painter, QRectF(c.rect));
            break;
        }
        case DrawCommand::Kind::Image:
            painter.drawImage(QRectF(c.rect), c.image);
            break;
        }
    }
}
