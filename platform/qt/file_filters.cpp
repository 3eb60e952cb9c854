#include "platform/qt/file_filters.h"

namespace platform {

namespace {

// "Caption(p1 p2)" becomes "Caption(p1 p2) (q1 q2)": the dialog filters by
// the last group and, with its details hidden, shows what comes before it.
QString MatchingEveryFile(const QString& filter) {
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open) return filter;
    QStringList patterns = filter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
        if (pattern == QStringLiteral("*.*")) pattern = QStringLiteral("*");
    }
    return filter + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

}  // namespace

QStringList FileFilterList(const QString& joined) { return joined.split(QStringLiteral(";;"), Qt::SkipEmptyParts); }

void SetFileFilters(QFileDialog& dialog, const QStringList& filters) {
    QStringList matching;
    for (const QString& filter : filters) matching.append(MatchingEveryFile(filter));
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setNameFilters(matching);
}

}  // namespace platform
