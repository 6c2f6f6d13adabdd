#pragma once

#include <QString>

class QColor;
class QFont;
class QWidget;

// Every modal question the program asks goes through here. The default implementation shows
// the standard Qt dialogs; tests install one that answers from a script.
class Dialogs
{
public:
    enum class Buttons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Answer { Ok, Cancel, Abort, Retry, Ignore, Yes, No };

    struct Message
    {
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        int defaultButton = 1; // 1-based, in the order the buttons are named
    };

    struct FileRequest
    {
        QString title;
        QString filter; // "Expense Files (*.edf)"
        QString defaultSuffix;
        QString directory;
        QString fileName;
    };

    virtual ~Dialogs() = default;

    virtual Answer message(QWidget *parent, const Message &message) = 0;
    // An input box answer that is no stored field: any length.
    static constexpr int AnyLength = 0;

    // The text typed, or empty text when cancelled. The box takes what a field of fieldWidth
    // bytes keeps (field_box.h), or any text for AnyLength.
    virtual QString input(QWidget *parent, const QString &prompt, const QString &title,
                          const QString &defaultText, int fieldWidth) = 0;
    // true when the user accepted; font is updated then and left as it was otherwise.
    virtual bool font(QWidget *parent, QFont &font) = 0;
    virtual bool color(QWidget *parent, QColor &color) = 0;
    // The chosen file, or empty text when cancelled.
    virtual QString openFileName(QWidget *parent, const FileRequest &request) = 0;
    virtual QString saveFileName(QWidget *parent, const FileRequest &request) = 0;
    // An existing folder the user picks, starting in `directory`, or empty text when cancelled.
    virtual QString folder(QWidget *parent, const QString &title, const QString &directory) = 0;

    // The implementation in force; the standard dialogs unless one was installed.
    static Dialogs &instance();
    // Installs an implementation the caller keeps alive; nullptr brings the standard one back.
    static void install(Dialogs *dialogs);
};

// The shorthand every window uses.
inline Dialogs &dialogs()
{
    return Dialogs::instance();
}
