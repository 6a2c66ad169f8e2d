#pragma once
// Reading a report back from its PDF with poppler's tools: the text of each page, the
// document's title, and the place of every word.

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <vector>

namespace quorel::gui::testing {

inline QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of every page, laid out as on the page.
inline QStringList pdfPages(const QString& path)
{
    QStringList pages = runTool("pdftotext", {"-layout", path, "-"}).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

inline QString pdfTitle(const QString& path)
{
    const QRegularExpression title(QStringLiteral("^Title:\\s*(.*)$"), QRegularExpression::MultilineOption);
    return title.match(runTool("pdfinfo", {path})).captured(1).trimmed();
}

struct PdfWord {
    int page = 0;  // from 0
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

struct PdfLayout {
    double pageWidth = 0;
    double pageHeight = 0;
    std::vector<PdfWord> words;
};

inline PdfLayout pdfWords(const QString& path)
{
    PdfLayout layout;
    const QString xhtml = runTool("pdftotext", {"-bbox", path, "-"});
    const QRegularExpression tag(QStringLiteral(
        "<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">|<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
        "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    int page = -1;
    for (auto it = tag.globalMatch(xhtml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.captured(1).isEmpty()) {
            ++page;
            layout.pageWidth = m.captured(1).toDouble();
            layout.pageHeight = m.captured(2).toDouble();
            continue;
        }
        layout.words.push_back({page,
                                m.captured(7).replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&"),
                                m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5).toDouble(),
                                m.captured(6).toDouble()});
    }
    return layout;
}

}  // namespace quorel::gui::testing
