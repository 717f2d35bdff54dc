#pragma once
// Paints a list of draw commands onto any paint device (printer, PDF, image).

#include "reports/SheetLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRectF>

class QPainter;
class QPaintDevice;

// The program's logo, the picture Image1 shows (an SVG resource of the window).
QString logoResource();

// The font of each use on the sheet: "Courier New" (Liberation Mono on Linux has the same
// widths), sized in points on paper.
QFont sheetFont(SheetFont font);

// Text widths as the device will set them.
TextWidth textWidthOn(QPaintDevice* device);

// Paints the commands in order. An underlined text's underline stays above the nearest text
// line below it (underlineBar).
void paintCommands(QPainter& painter, const DrawList& commands);

// The underline of a text whose baseline starts at baseline: where the font puts it, unless
// that reaches the top of the line below (below, in device units); then between the two.
QRectF underlineBar(const QFontMetricsF& metrics, QPointF baseline, qreal width, qreal below);
