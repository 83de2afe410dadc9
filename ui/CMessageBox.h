#pragma once

#include <QString>

#include <functional>

class QWidget;

// What a message asks of the user; it decides the buttons and the icon.
enum class MessageKind
{
    Warning,  // OK button, exclamation icon: every report of the program
    Question, // Yes and No buttons, question icon
    Error,    // OK button, error icon: the screen message at start-up
};

enum class MessageAnswer
{
    Ok,
    Yes,
    No,
};

// The program's message box: the application's name as caption, the icon and buttons of
// the message's kind, and the user's answer as the result.
class CMessageBox
{
public:
    struct Request
    {
        MessageKind kind = MessageKind::Warning;
        QString caption;
        QString text;
        QWidget* owner = nullptr;
    };
    using Answerer = std::function<MessageAnswer(const Request&)>;

    static MessageAnswer Show(QWidget* owner, const QString& text,
                              MessageKind kind = MessageKind::Warning);
    // The text of string stringId from the string table.
    static MessageAnswer ShowString(QWidget* owner, int stringId,
                                    MessageKind kind = MessageKind::Warning);

    static QString Caption();

    // Test seam: while an answerer is set it is asked instead of showing a box. An empty
    // answerer brings the real box back.
    static void SetAnswerer(Answerer answerer);
};
