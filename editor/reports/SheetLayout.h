#pragma once
// The one-page plant data sheet, computed as a list of draw commands from the sheet's texts
// and the page size. Painting the list is SheetPainter's job; nothing here touches a device.

#include "registry/LookupLists.h"
#include "registry/PlantTexts.h"
#include "registry/TUsinaHd.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

// The four fonts of the sheet, all "Courier New".
enum class SheetFont {
    Title,   // 20 pt
    Heading, // 12 pt, underlined
    Body,    // 10 pt
    Footer,  // 6 pt
};

struct DrawCommand {
    enum class Kind { Text, Svg, Image };
    Kind kind = Kind::Text;
    // Text: its font, the top-left corner of its first character cell, the text.
    SheetFont font = SheetFont::Body;
    QPoint pos;
    QString text;
    // Pictures: stretched into rect, aspect ratio not kept.
    QRect rect;
    QString svgPath; // an SVG resource (Svg)
    QImage image;    // a bitmap (Image)
};
using DrawList = std::vector<DrawCommand>;

// Width in device units of a text set in one of the sheet's fonts.
using TextWidth = std::function<int(SheetFont, const QString&)>;

// Which of the two variants of the sheet: the plant on screen or the all-plants print.
enum class SheetKind { Single, AllPlants };

// Everything printed on a sheet, as texts.
struct SheetTexts {
    QString title;                   // code, " - ", name
    PlantTexts values;               // boxes by control name and grid cells
    std::array<QString, 3> captions; // GroupBox1..3: the section headings, before capitals
    QString footer;                  // the whole footer line
};

// The Portuguese captions of the three sections.
std::array<QString, 3> portugueseCaptions();

// The sheet texts of a registry entry, as the window would show that plant; the title keeps
// the name's letters as stored.
SheetTexts sheetTextsFromRecord(int code, const TUsinaHd& plant, const LookupLists& lists,
                                const QStringList& plantNames, const QLocale& locale);

// Footer: window title, " - ", the short date, a blank, the long time without its time zone.
QString footerLine(const QString& windowTitle, const QDateTime& when, const QLocale& locale);
// The locale's long time format with every time-zone field dropped.
QString longTimeFormatWithoutZone(const QLocale& locale);

namespace SheetText {
// The last n characters of n blanks and the value; a value that does not fit stays whole.
QString rightAligned(const QString& value, int n);
// A curve code in three characters: its last three, or the code and one blank.
QString curveCode(const QString& code);
// Every letter in capitals, accented ones too ("Reservatório" reads RESERVATÓRIO).
QString headingCase(const QString& caption);
} // namespace SheetText

// Rounds fraction thousandths of extent to the nearest integer, halves to even.
int pageFraction(int thousandths, int extent);

struct SheetLayout {
    bool ok = false;
    QString error; // why the sheet could not be laid out
    DrawList commands;
};

// The commands of one sheet on a printable area of page (device units). The logo is the
// SVG resource logoSvg. The counts of machine sets and downstream polynomials are the
// integer texts of TXT_NGrMaq and TXT_NKeyCur; a text that is not an integer fails.
SheetLayout layoutSheet(const SheetTexts& texts, SheetKind kind, QSize page, const TextWidth& width,
                        const QString& logoSvg);

// The screen print: the window image stretched into 5 %..95 % of the page, and the footer.
DrawList layoutScreenPrint(const QImage& window, const QString& footer, QSize page);

// Strict integer text: optional leading blanks, an optional sign, digits, nothing else.
bool parseCount(const QString& text, std::int64_t& value);
// The platform's conversion error for a text that is not an integer.
QString notAnIntegerText(const QString& text);
