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

// The words of one page grouped into text lines from top to bottom, each left to right.
QList<QList<Word>> wordLines(const QList<Word> &words, int page);

// Each page's lines as printed by `printer` in Mincho at 12 points, rebuilt from where every
// word stands: its height gives its line, its distance from the printable area's left edge its
// column (6 points a half-width cell). A line of spaces leaves no mark but keeps its place.
QList<QStringList> lines(const QString &pdfPath, QPrinter &printer);

// What a person sees of `text` printed after `indent` spaces: trailing spaces, and trailing
// empty lines, leave no mark.
QStringList seen(const QStringList &text, int indent);

} // namespace printedPdf
