#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPrinter;

// A printed PDF read back the way a person would: where each word stands on the page, through
// poppler's pdftotext.
namespace printedPdf {

// Points `printer` at a PDF file, as "Print to File (PDF)" in the printer dialog would.
void printTo(QPrinter &printer, const QString &pdfPath);

int pageCount(const QString &pdfPath);

struct Word
{
    int page = 0; // from 0
    QRectF box;   // in points from the top left of the page
    QString text;
};

QList<Word> words(const QString &pdfPath);

using Row = QList<Word>;

// Each page's words in the lines they were printed on by `printer` in Mincho at 12 points,
// from the top of the printable area down, each line left to right: a line of spaces leaves
// no word but keeps its place.
QList<QList<Row>> rows(const QString &pdfPath, QPrinter &printer);

// The same as text: a word's distance from the printable area's left edge gives its column
// (6 points a half-width cell).
QList<QStringList> lines(const QString &pdfPath, QPrinter &printer);

// What a person sees of `text` printed after `indent` spaces: trailing spaces, and trailing
// empty lines, leave no mark.
QStringList seen(const QStringList &text, int indent);

} // namespace printedPdf
