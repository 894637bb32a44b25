#include "translated.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// As fillPattern: %1 to %9 in one pass, so that an argument is never read again.
QString fill(const QString& pattern, const QStringList& args)
{
    QString filled;
    filled.reserve(pattern.size() + 16);
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('%') && i + 1 < pattern.size()) {
            const int index = pattern[i + 1].digitValue() - 1;
            if (index >= 0 && index < args.size()) {
                filled += args[index];
                ++i;
                continue;
            }
        }
        filled += c;
    }
    return filled;
}

} // namespace

QString translated(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text);
}

QString translated(const Phrase& phrase)
{
    QStringList args;
    args.reserve(qsizetype(phrase.args.size()));
    for (const Phrase& arg : phrase.args)
        args << translated(arg);
    if (phrase.list)
        return args.join(QStringLiteral(", "));
    if (phrase.pattern == nullptr)
        return QString::fromStdString(phrase.plain);
    return fill(translated(phrase.context, phrase.pattern), args);
}

QString translatedLines(const std::vector<Phrase>& lines)
{
    QStringList joined;
    for (const Phrase& line : lines)
        joined << translated(line);
    return joined.join(QLatin1Char('\n'));
}
