#include "cli/ConvoReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>

#include <algorithm>

namespace {

QString Headline(const ConvoCase &c, const ConvoFailure &f)
{
    return QStringLiteral("%1:%2: error: expected %3, got %4").arg(c.sFile).arg(f.nLine).arg(f.sExpected, f.sGot);
}

QString Entries(const ConvoFailure &f)
{
    QString s;
    for (const QString &sEntry : f.entries)
        s += QStringLiteral("    %1\n").arg(sEntry);
    return s;
}

// The sentence, the reply drawn and why it came, indented under the headline.
QString Turn(const ConvoFailure &f)
{
    QString s = QStringLiteral("    > %1\n    < %2\n").arg(f.sSay, f.sReply);
    for (const QString &sLine : f.trace)
        s += QStringLiteral("    %1\n").arg(sLine);
    return s;
}

QString Details(const ConvoFailure &f)
{
    return Entries(f) + Turn(f);
}

bool SameTurn(const ConvoFailure &a, const ConvoFailure &b)
{
    return a.sSay == b.sSay && a.sReply == b.sReply && a.trace == b.trace;
}

QString Plural(int n, const char *sThing)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(sThing), n == 1 ? QString() : QStringLiteral("s"));
}

// The files in the order they were run, with their cases.
QList<std::pair<QString, QList<const ConvoCase *>>> ByFile(const ConvoRunner &runner)
{
    QList<std::pair<QString, QList<const ConvoCase *>>> files;
    for (const ConvoCase &c : runner.Cases()) {
        if (files.isEmpty() || files.last().first != c.sFile)
            files.append({c.sFile, {}});
        files.last().second.append(&c);
    }
    return files;
}

int FailedCases(const QList<const ConvoCase *> &cases)
{
    return int(std::count_if(cases.begin(), cases.end(), [](const ConvoCase *c) { return !c->failures.isEmpty(); }));
}

}  // namespace

namespace ConvoReport {

QString Text(const ConvoRunner &runner)
{
    QString s;
    // A turn that breaks several expectations is shown once, under the last of them.
    for (const ConvoCase &c : runner.Cases())
        for (qsizetype i = 0; i < c.failures.size(); ++i) {
            const ConvoFailure &f = c.failures[i];
            s += Headline(c, f) + QLatin1Char('\n') + Entries(f);
            if (i + 1 == c.failures.size() || !SameTurn(f, c.failures[i + 1]))
                s += Turn(f);
        }
    return s + Summary(runner) + QLatin1Char('\n');
}

QString Summary(const ConvoRunner &runner)
{
    return QStringLiteral("%1, %2, %3: %4 failed")
        .arg(Plural(int(runner.Cases().size()), "conversation"), Plural(runner.Turns(), "turn"), Plural(runner.Expectations(), "expectation"))
        .arg(runner.Failed());
}

QByteArray Json(const ConvoRunner &runner)
{
    QJsonArray failures;
    for (const ConvoCase &c : runner.Cases()) {
        for (const ConvoFailure &f : c.failures) {
            failures.append(QJsonObject{{QStringLiteral("file"), c.sFile},
                                        {QStringLiteral("line"), f.nLine},
                                        {QStringLiteral("conversationLine"), c.nLine},
                                        {QStringLiteral("expected"), f.sExpected},
                                        {QStringLiteral("got"), f.sGot},
                                        {QStringLiteral("entries"), QJsonArray::fromStringList(f.entries)},
                                        {QStringLiteral("sentence"), f.sSay},
                                        {QStringLiteral("reply"), f.sReply},
                                        {QStringLiteral("trace"), QJsonArray::fromStringList(f.trace)}});
        }
    }
    const QJsonObject summary{{QStringLiteral("conversations"), int(runner.Cases().size())},
                              {QStringLiteral("turns"), runner.Turns()},
                              {QStringLiteral("expectations"), runner.Expectations()},
                              {QStringLiteral("failed"), runner.Failed()}};
    return QJsonDocument(QJsonObject{{QStringLiteral("failures"), failures}, {QStringLiteral("summary"), summary}}).toJson(QJsonDocument::Indented);
}

QByteArray JUnit(const ConvoRunner &runner)
{
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("testsuites"));
    w.writeAttribute(QStringLiteral("name"), QStringLiteral("orvia-test"));
    w.writeAttribute(QStringLiteral("tests"), QString::number(runner.Cases().size()));
    const auto failed = [](const ConvoCase &c) { return !c.failures.isEmpty(); };
    w.writeAttribute(QStringLiteral("failures"), QString::number(std::count_if(runner.Cases().begin(), runner.Cases().end(), failed)));
    for (const auto &[sFile, cases] : ByFile(runner)) {
        w.writeStartElement(QStringLiteral("testsuite"));
        w.writeAttribute(QStringLiteral("name"), sFile);
        w.writeAttribute(QStringLiteral("tests"), QString::number(cases.size()));
        w.writeAttribute(QStringLiteral("failures"), QString::number(FailedCases(cases)));
        w.writeAttribute(QStringLiteral("errors"), QStringLiteral("0"));
        for (const ConvoCase *c : cases) {
            w.writeStartElement(QStringLiteral("testcase"));
            w.writeAttribute(QStringLiteral("classname"), sFile);
            w.writeAttribute(QStringLiteral("name"), QStringLiteral("line %1: %2").arg(c->nLine).arg(c->sTitle));
            for (const ConvoFailure &f : c->failures) {
                w.writeStartElement(QStringLiteral("failure"));
                w.writeAttribute(QStringLiteral("message"), QStringLiteral("line %1: expected %2, got %3").arg(f.nLine).arg(f.sExpected, f.sGot));
                w.writeAttribute(QStringLiteral("type"), QStringLiteral("expectation"));
                w.writeCharacters(Headline(*c, f) + QLatin1Char('\n') + Details(f));
                w.writeEndElement();
            }
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndDocument();
    return xml;
}

}  // namespace ConvoReport
