#include <QCryptographicHash>
#include <QFile>
#include <QTest>
#include <QTextStream>

#include "zorvanhand.h"

// zorvan-hand's answers to the command lines of handoutputs.txt, byte for byte as the file
// holds them (scripts/handoutputs.py wrote it and says how it reads): the refusals, the scored
// hands, the waits and the deals, each in text and in JSON.

namespace {

struct Entry {
    int line = 0;
    QStringList arguments;
    int status = -1;
    bool digested = false;
    QByteArray out; // the whole output, or the digest
    QByteArray err;
};

// "\\", "\|" and "\xHH" as the characters they stand for; "|" between arguments.
QStringList readArguments(const QByteArray& text)
{
    QStringList arguments;
    QString argument;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '|') {
            arguments << argument;
            argument.clear();
        } else if (c == '\\' && i + 1 < text.size() && text[i + 1] == 'x') {
            argument += QChar(text.mid(i + 2, 2).toInt(nullptr, 16));
            i += 3;
        } else if (c == '\\' && i + 1 < text.size()) {
            argument += QLatin1Char(text[++i]);
        } else {
            // A run of bytes up to the next special one: UTF-8 as the file is written.
            qsizetype end = i;
            while (end < text.size() && text[end] != '|' && text[end] != '\\')
                ++end;
            argument += QString::fromUtf8(text.mid(i, end - i));
            i = end - 1;
        }
    }
    arguments << argument;
    return arguments;
}

std::vector<Entry> readEntries()
{
    QFile file(QStringLiteral(":/handoutputs/handoutputs.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<Entry> entries;
    int number = 0;
    for (const QByteArray& line : file.readAll().split('\n')) {
        ++number;
        const QByteArray rest = line.mid(2);
        if (line.startsWith("$ ")) {
            Entry entry;
            entry.line = number;
            entry.arguments = readArguments(rest);
            entries.push_back(entry);
        } else if (entries.empty() || line.isEmpty() || line.startsWith('#')) {
            continue;
        } else if (line.startsWith("? ")) {
            entries.back().status = rest.toInt();
        } else if (line.startsWith("= ")) {
            entries.back().status = rest.split(' ').value(0).toInt();
            entries.back().out = rest.split(' ').value(1);
            entries.back().digested = true;
        } else if (line.startsWith("> ")) {
            entries.back().out += rest + '\n';
        } else if (line.startsWith("! ")) {
            entries.back().err += rest + '\n';
        }
    }
    return entries;
}

struct Answer {
    int status;
    QByteArray out;
    QByteArray err;
};

// Through text streams over bytes, which encode as the program's own streams do.
Answer answer(const QStringList& arguments)
{
    Answer answer;
    QTextStream out(&answer.out);
    QTextStream err(&answer.err);
    answer.status = cli::runZorvanHand(arguments, out, err);
    out.flush();
    err.flush();
    return answer;
}

QByteArray digest(const Answer& answer)
{
    const QByteArray all =
        QByteArray::number(answer.status) + '\n' + answer.out + '\0' + answer.err;
    return QCryptographicHash::hash(all, QCryptographicHash::Sha256).toHex().left(16);
}

} // namespace

class TestHandOutputs : public QObject {
    Q_OBJECT

private slots:
    void theFileHoldsEveryKind();
    void sameBytes_data();
    void sameBytes();
};

// The rows below come from the file: an empty or unreadable one would pass them all.
void TestHandOutputs::theFileHoldsEveryKind()
{
    const std::vector<Entry> entries = readEntries();
    QVERIFY2(entries.size() >= 1400, qPrintable(QString::number(entries.size())));
    int whole = 0;
    int refused = 0;
    for (const Entry& entry : entries) {
        QVERIFY2(entry.status == 0 || entry.status == 2, qPrintable(QString::number(entry.line)));
        whole += entry.digested ? 0 : 1;
        refused += entry.status == 2 ? 1 : 0;
    }
    QVERIFY(whole >= 200);
    QVERIFY(refused >= 200);
}

void TestHandOutputs::sameBytes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("digested");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    for (const Entry& entry : readEntries()) {
        QTest::addRow("line %d", entry.line)
            << entry.arguments << entry.status << entry.digested << entry.out << entry.err;
    }
}

void TestHandOutputs::sameBytes()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(bool, digested);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);

    const Answer given = answer(arguments);
    if (digested) {
        QCOMPARE(digest(given), out);
        return;
    }
    QCOMPARE(given.status, status);
    QCOMPARE(given.out, out);
    QCOMPARE(given.err, err);
}

QTEST_GUILESS_MAIN(TestHandOutputs)
#include "tst_handoutputs.moc"
