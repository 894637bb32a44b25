#pragma once

#include <string>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include "phrase.h"

// What the tests of the engine's calls for the web share: reading their JSON, writing their
// lists of numbers, and a phrase filled as the page fills it.

using Numbers = QList<int>;

Q_DECLARE_METATYPE(Phrase)

namespace webtest {

inline QJsonObject object(const std::string& json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        qWarning("not a JSON object: %s", json.c_str());
    return document.object();
}

inline QJsonArray array(const std::string& json)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).array();
}

inline std::string list(const Numbers& numbers)
{
    std::string text;
    for (const int n : numbers)
        text += (text.empty() ? "" : ",") + std::to_string(n);
    return text;
}

inline Numbers numbers(const QJsonValue& value)
{
    Numbers read;
    for (const QJsonValue& each : value.toArray())
        read << each.toInt();
    return read;
}

// A phrase in English, filled in one pass as the page fills it.
inline QString english(const QJsonValue& value)
{
    const QJsonObject phrase = value.toObject();
    QStringList args;
    for (const QJsonValue& arg : phrase.value("args").toArray())
        args << english(arg);
    if (phrase.value("list").toBool())
        return args.join(", ");
    if (!phrase.contains("pattern"))
        return phrase.value("plain").toString();
    QString text;
    const QString pattern = phrase.value("pattern").toString();
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const int n = i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
        if (pattern[i] == '%' && n >= 1 && n <= args.size()) {
            text += args[n - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

// Every box but East and the two limit hands: 626 x 128 x 65536 is past the range, and so are
// the first sheets a clear leaves on its way.
inline Numbers overflowingSheet()
{
    Numbers boxes;
    for (int n = 2; n <= 72; ++n) {
        if (n != 51 && n != 59 && n != 60)
            boxes << n;
    }
    return boxes;
}

inline Numbers range(int first, int last)
{
    Numbers run;
    for (int n = first; n <= last; ++n)
        run << n;
    return run;
}

} // namespace webtest
