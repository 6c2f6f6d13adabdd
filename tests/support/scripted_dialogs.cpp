#include "scripted_dialogs.h"

#include "platform/stored_text.h"

#include <QTest>

namespace {

const char *kindName(ScriptedDialogs::Asked::Kind kind)
{
    using K = ScriptedDialogs::Asked::Kind;
    switch (kind) {
    case K::Message:
        return "message box";
    case K::Input:
        return "input box";
    case K::Font:
        return "font dialog";
    case K::Color:
        return "colour dialog";
    case K::OpenFile:
        return "open-file dialog";
    case K::SaveFile:
        return "save-file dialog";
    case K::Folder:
        return "folder dialog";
    }
    return "dialog";
}

} // namespace

ScriptedDialogs::ScriptedDialogs()
{
    Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    Dialogs::install(nullptr);
}

void ScriptedDialogs::clear()
{
    m_script.clear();
    m_asked.clear();
}

ScriptedDialogs::Step &ScriptedDialogs::enqueue(Asked::Kind kind)
{
    m_script.append(Step());
    m_script.last().kind = kind;
    return m_script.last();
}

void ScriptedDialogs::answerMessage(Answer answer, const QString &expectedText)
{
    Step &step = enqueue(Asked::Kind::Message);
    step.answer = answer;
    step.text = expectedText;
}

void ScriptedDialogs::answerInput(const QString &text)
{
    enqueue(Asked::Kind::Input).text = text;
}

void ScriptedDialogs::answerFont(bool accepted, const QFont &font)
{
    Step &step = enqueue(Asked::Kind::Font);
    step.accepted = accepted;
    step.font = font;
}

void ScriptedDialogs::answerColor(bool accepted, const QColor &color)
{
    Step &step = enqueue(Asked::Kind::Color);
    step.accepted = accepted;
    step.color = color;
}

void ScriptedDialogs::answerOpenFile(const QString &path)
{
    enqueue(Asked::Kind::OpenFile).text = path;
}

void ScriptedDialogs::answerSaveFile(const QString &path)
{
    enqueue(Asked::Kind::SaveFile).text = path;
}

void ScriptedDialogs::answerFolder(const QString &path)
{
    enqueue(Asked::Kind::Folder).text = path;
}

bool ScriptedDialogs::take(Asked::Kind kind, const QString &what, Step &step)
{
    if (m_script.isEmpty()) {
        QTest::qFail(
            qPrintable(
                QStringLiteral("unexpected %1: %2").arg(QLatin1String(kindName(kind)), what)),
            __FILE__, __LINE__);
        return false;
    }
    step = m_script.takeFirst();
    if (step.kind != kind) {
        QTest::qFail(qPrintable(QStringLiteral("expected a %1, the program asked a %2: %3")
                                    .arg(QLatin1String(kindName(step.kind)),
                                         QLatin1String(kindName(kind)), what)),
                     __FILE__, __LINE__);
        return false;
    }
    return true;
}

Dialogs::Answer ScriptedDialogs::message(QWidget *, const Message &message)
{
    m_asked.append({Asked::Kind::Message, message, {}, {}, {}});
    Step step;
    if (!take(Asked::Kind::Message, message.text, step))
        return Answer::Cancel;
    if (!step.text.isNull() && step.text != message.text) {
        QTest::qFail(qPrintable(QStringLiteral("message box said \"%1\", expected \"%2\"")
                                    .arg(message.text, step.text)),
                     __FILE__, __LINE__);
    }
    return step.answer;
}

QString ScriptedDialogs::input(QWidget *, const QString &prompt, const QString &title,
                               const QString &defaultText, int fieldWidth)
{
    m_asked.append({Asked::Kind::Input, {}, prompt, title, defaultText, fieldWidth});
    Step step;
    if (!take(Asked::Kind::Input, prompt, step))
        return QString();
    return fieldWidth == AnyLength ? step.text : fitToField(step.text, fieldWidth).taken;
}

bool ScriptedDialogs::font(QWidget *, QFont &font)
{
    m_asked.append({Asked::Kind::Font, {}, {}, {}, {}});
    Step step;
    if (!take(Asked::Kind::Font, QString(), step) || !step.accepted)
        return false;
    font = step.font;
    return true;
}

bool ScriptedDialogs::color(QWidget *, QColor &color)
{
    m_asked.append({Asked::Kind::Color, {}, {}, {}, {}});
    Step step;
    if (!take(Asked::Kind::Color, QString(), step) || !step.accepted)
        return false;
    color = step.color;
    return true;
}

QString ScriptedDialogs::openFileName(QWidget *, const FileRequest &request)
{
    m_asked.append({Asked::Kind::OpenFile, {}, request.title, {}, request.filter});
    Step step;
    return take(Asked::Kind::OpenFile, request.title, step) ? step.text : QString();
}

QString ScriptedDialogs::saveFileName(QWidget *, const FileRequest &request)
{
    m_asked.append({Asked::Kind::SaveFile, {}, request.title, {}, request.filter});
    Step step;
    return take(Asked::Kind::SaveFile, request.title, step) ? step.text : QString();
}

QString ScriptedDialogs::folder(QWidget *, const QString &title, const QString &directory)
{
    m_asked.append({Asked::Kind::Folder, {}, title, {}, directory});
    Step step;
    return take(Asked::Kind::Folder, title, step) ? step.text : QString();
}
