#include "qt_dialogs.h"

#include "field_box.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

struct ButtonChoice
{
    QMessageBox::StandardButton button;
    Dialogs::Answer answer;
};

QList<ButtonChoice> buttonsFor(Dialogs::Buttons buttons)
{
    using A = Dialogs::Answer;
    switch (buttons) {
    case Dialogs::Buttons::Ok:
        return {{QMessageBox::Ok, A::Ok}};
    case Dialogs::Buttons::OkCancel:
        return {{QMessageBox::Ok, A::Ok}, {QMessageBox::Cancel, A::Cancel}};
    case Dialogs::Buttons::AbortRetryIgnore:
        return {{QMessageBox::Abort, A::Abort},
                {QMessageBox::Retry, A::Retry},
                {QMessageBox::Ignore, A::Ignore}};
    case Dialogs::Buttons::YesNoCancel:
        return {
            {QMessageBox::Yes, A::Yes}, {QMessageBox::No, A::No}, {QMessageBox::Cancel, A::Cancel}};
    case Dialogs::Buttons::YesNo:
        return {{QMessageBox::Yes, A::Yes}, {QMessageBox::No, A::No}};
    case Dialogs::Buttons::RetryCancel:
        return {{QMessageBox::Retry, A::Retry}, {QMessageBox::Cancel, A::Cancel}};
    }
    return {{QMessageBox::Ok, A::Ok}};
}

QMessageBox::Icon iconFor(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::Question:
        return QMessageBox::Question;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Dialogs::Answer QtDialogs::message(QWidget *parent, const Message &message)
{
    const QList<ButtonChoice> choices = buttonsFor(message.buttons);
    QMessageBox box(iconFor(message.icon), message.title, message.text, QMessageBox::NoButton,
                    parent);
    QMessageBox::StandardButtons all;
    for (const ButtonChoice &choice : choices)
        all |= choice.button;
    box.setStandardButtons(all);
    const int defaultIndex = qBound(1, message.defaultButton, int(choices.size())) - 1;
    box.setDefaultButton(choices.at(defaultIndex).button);
    const int clicked = box.exec();
    for (const ButtonChoice &choice : choices) {
        if (choice.button == clicked)
            return choice.answer;
    }
    // Closing the box counts as its cancelling button, or as the last one.
    for (const ButtonChoice &choice : choices) {
        if (choice.answer == Answer::Cancel)
            return choice.answer;
    }
    return choices.constLast().answer;
}

QString QtDialogs::input(QWidget *parent, const QString &prompt, const QString &title,
                         const QString &defaultText, int fieldWidth)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    if (fieldWidth != AnyLength) {
        if (auto *box = dialog.findChild<QLineEdit *>())
            limitToField(box, fieldWidth);
    }
    dialog.setTextValue(defaultText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

bool QtDialogs::font(QWidget *parent, QFont &font)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent);
    if (ok)
        font = chosen;
    return ok;
}

bool QtDialogs::color(QWidget *parent, QColor &color)
{
    const QColor chosen = QColorDialog::getColor(color, parent);
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

QString QtDialogs::openFileName(QWidget *parent, const FileRequest &request)
{
    QFileDialog dialog(parent, request.title, request.directory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::saveFileName(QWidget *parent, const FileRequest &request)
{
    QFileDialog dialog(parent, request.title, request.directory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::folder(QWidget *parent, const QString &title, const QString &directory)
{
    return QFileDialog::getExistingDirectory(parent, title, directory);
}
