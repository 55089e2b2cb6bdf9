#pragma once

#include "platform/printing/linePrinter.h"

#include <QStringList>

#include <functional>

// Passes everything on to a real line printer, and can make the printer fail at a given line,
// as a printer that runs out of paper or drops off the network does mid-job.
class FaultyLinePrinter final : public platform::LinePrinter
{
public:
    explicit FaultyLinePrinter(platform::LinePrinter &inner) : m_inner(inner) {}

    // Line n (from 1) of the next document fails, and every line after it; 0 never fails.
    void failAtLine(int n) { m_failAt = n; }
    // Runs at every line handed over, before it is passed on.
    void onLine(std::function<void(const QString &)> hook) { m_hook = std::move(hook); }

    bool setFontName(const QString &name) override;
    bool setFontSize(qreal points) override;
    bool printLine(const QString &text) override;
    bool endDocument() override;
    void discardDocument() override;

    int discarded() const { return m_discarded; }
    int ended() const { return m_ended; }
    QString fontName() const { return m_fontName; }
    qreal fontSize() const { return m_fontSize; }

private:
    platform::LinePrinter &m_inner;
    int m_failAt = 0;
    int m_line = 0;
    int m_discarded = 0;
    int m_ended = 0;
    QString m_fontName;
    qreal m_fontSize = 0;
    std::function<void(const QString &)> m_hook;
};
