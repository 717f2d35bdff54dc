#pragma once
// Paints a list of draw commands onto any paint device (printer, PDF, image).

#include "reports/SheetLayout.h"

#include <QFont>

class QPainter;
class QPaintDevice;

// The program's logo, the picture Image1 shows (an SVG resource of the window).
QString logoResource();

// The font of each use on the sheet: "Courier New" (Liberation Mono on Linux has the same
// widths), sized in points on paper.
QFont sheetFont(SheetFont font);

// Text widths as the device will set them.
TextWidth textWidthOn(QPaintDevice* device);

void paintCommands(QPainter& painter, const DrawList& commands);
