#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>

// What one "< ..." line asks of a reply.
struct Expectation {
    enum Kind { Code, Line, FollowUp, Fallback, Holds, HoldsNot, Equals, Any } kind = Any;
    QString sText;   // Code: the code; Line, FollowUp: the index file; Holds, HoldsNot, Equals: the text
    QString sFile;   // Code: the response file, empty for any
    int nLine = 0;   // Line: the index line, 0 for any line of sText
    int nSourceLine = 0;  // where it stands in the test file
};

// "> TEXT" and the expectations under it.
struct ConvoTurn {
    QString sSay;
    int nSourceLine = 0;
    QList<Expectation> expectations;
};

struct ScriptedConversation {
    int nSourceLine = 0;  // its first line
    bool hasName = false;
    QString sName;        // "name: NAME" answers the name question first
    QList<ConvoTurn> turns;
};

// A test file: conversations separated by blank lines. Every malformed line is
// an error; a file with one runs nothing.
class ConvoFile {
public:
    struct Error {
        int nLine = 0;  // 0: the file as a whole
        QString sMessage;
    };

    // UTF-8 text; a byte-order mark is skipped. Reading stops after kMaxErrors
    // errors, so a file of garbage ends quickly.
    static ConvoFile Parse(QByteArrayView bytes);
    static constexpr int kMaxErrors = 10;

    const QList<ScriptedConversation> &Conversations() const { return m_conversations; }
    const QList<Error> &Errors() const { return m_errors; }
    // Lines not looked at after the error limit was reached.
    int UnreadLines() const { return m_nUnreadLines; }
    bool Ok() const { return m_errors.isEmpty(); }

private:
    void ReadLine(QStringView sLine, int nLine);
    void ReadExpectation(QStringView sRest, int nLine);
    void EndConversation();
    void AddError(int nLine, const QString &sMessage);

    QList<ScriptedConversation> m_conversations;
    QList<Error> m_errors;
    ScriptedConversation m_open;  // the conversation being read
    bool m_inConversation = false;
    int m_nUnreadLines = 0;
};

// The expectation as a test file writes it, after "< ".
QString ExpectationText(const Expectation &e);
