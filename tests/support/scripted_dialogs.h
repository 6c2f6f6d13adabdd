#pragma once

#include "platform/dialogs.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

// Answers the program's questions from a script written in advance. A question the script did
// not expect, or one of another kind, fails the running test.
class ScriptedDialogs : public Dialogs
{
public:
    struct Asked
    {
        enum class Kind { Message, Input, Font, Color, OpenFile, SaveFile, Folder };
        Kind kind;
        Message message; // Message
        QString prompt;  // Input: prompt; files: title
        QString title;   // Input
        QString defaultText;
        int fieldWidth = Dialogs::AnyLength; // Input
    };

    ScriptedDialogs();           // installs itself
    ~ScriptedDialogs() override; // puts the standard dialogs back

    // The next message box is answered with this; expectedText, when given, must be its text.
    void answerMessage(Answer answer, const QString &expectedText = QString());
    // Empty text: cancelled. An answer longer than the box takes comes back cut, as typed.
    void answerInput(const QString &text);
    void answerFont(bool accepted, const QFont &font = QFont());
    void answerColor(bool accepted, const QColor &color = QColor());
    void answerOpenFile(const QString &path); // empty: cancelled
    void answerSaveFile(const QString &path);
    // Empty: cancelled. Asked keeps the dialog's title as prompt, where it starts as defaultText.
    void answerFolder(const QString &path);

    // Every question asked so far, in order.
    const QList<Asked> &asked() const { return m_asked; }
    const Asked &lastAsked() const { return m_asked.constLast(); }
    int pending() const { return int(m_script.size()); }
    void clear();

    Answer message(QWidget *parent, const Message &message) override;
    QString input(QWidget *parent, const QString &prompt, const QString &title,
                  const QString &defaultText, int fieldWidth) override;
    bool font(QWidget *parent, QFont &font) override;
    bool color(QWidget *parent, QColor &color) override;
    QString openFileName(QWidget *parent, const FileRequest &request) override;
    QString saveFileName(QWidget *parent, const FileRequest &request) override;
    QString folder(QWidget *parent, const QString &title, const QString &directory) override;

private:
    struct Step
    {
        Asked::Kind kind = Asked::Kind::Message;
        Answer answer = Answer::Cancel;
        QString text;
        bool accepted = false;
        QFont font;
        QColor color;
    };
    Step &enqueue(Asked::Kind kind);
    bool take(Asked::Kind kind, const QString &what, Step &step);

    QList<Step> m_script;
    QList<Asked> m_asked;
};
