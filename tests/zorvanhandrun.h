#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "zorvanhand.h"

// What both zorvan-hand suites share: running the command in the test's own process, and
// reading its JSON.

using Numbers = QList<qint64>;

struct Run {
    int status;
    QString out;
    QString err;
};

inline Run run(const QStringList& arguments)
{
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int status = cli::runZorvanHand(arguments, outStream, errStream);
    return {status, out, err};
}

inline QJsonObject parseObject(const QString& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        qWarning("not one JSON object: %s", qPrintable(text));
    return document.object();
}

inline Numbers numbers(const QJsonValue& value)
{
    Numbers list;
    for (const QJsonValue& element : value.toArray())
        list << element.toInteger(-1);
    return list;
}

// Four declared sets, the winning tile pairs the White dragon: 20 + 4 (open pong honor, South)
// + 2 (pair of dragons) + 2 (one chance) = 28.
inline const QString declaredHand = QStringLiteral("[123m] [456p] [789s] [222z] 5z +5z");
