#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// A printed PDF read back the way a person would: its text through poppler's pdftotext, and
// where each word stands on the page.
namespace printedPdf {

// The text lines of each page, leading spaces kept as pdftotext lays them out.
QList<QStringList> pages(const QString &pdfPath);

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

// Every page's text lines rebuilt from where each word stands on the page, for a listing in
// a fixed-pitch face whose half-width characters are `cell` points wide: a word starting n
// cells right of `left` is preceded by n cells of spaces, leading ones included.
QStringList cellLines(const QString &pdfPath, qreal left, qreal cell);

} // namespace printedPdf
