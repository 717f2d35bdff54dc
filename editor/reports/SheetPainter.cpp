#include "reports/SheetPainter.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
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

void paintCommands(QPainter& painter, const DrawList& commands) {
    int current = -1;
    for (const DrawCommand& c : commands) {
        switch (c.kind) {
        case DrawCommand::Kind::Text: {
            if (int(c.font) != current) {
                painter.setFont(sheetFont(c.font));
                current = int(c.font);
            }
            // The position is the top-left corner of the first character cell.
            painter.drawText(QPoint(c.pos.x(), c.pos.y() + painter.fontMetrics().ascent()), c.text);
            break;
        }
        case DrawCommand::Kind::Svg:
            // render() maps the picture onto the rectangle without keeping its proportions.
            QSvgRenderer(c.svgPath).render(&painter, QRectF(c.rect));
            break;
        case DrawCommand::Kind::Image:
            painter.drawImage(QRectF(c.rect), c.image);
            break;
        }
    }
}
