#include "ui/CMessageBox.h"

#include "engine/StringTable.h"

#include <QMessageBox>

namespace {

CMessageBox::Answerer& TestAnswerer()
{
    static CMessageBox::Answerer answerer;
    return answerer;
}

QMessageBox::Icon IconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Question:
        return QMessageBox::Question;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Warning:
        break;
    }
    return QMessageBox::Warning;
}

MessageAnswer ShowRealBox(const CMessageBox::Request& request)
{
    const bool yesNo = request.kind == MessageKind::Question;
    QMessageBox box(IconOf(request.kind), request.caption, request.text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, request.owner);
    box.setTextFormat(Qt::PlainText);
    if (yesNo)
        box.setDefaultButton(QMessageBox::Yes);
    const int result = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return result == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace

MessageAnswer CMessageBox::Show(QWidget* owner, const QString& text, MessageKind kind)
{
    const Request request{kind, Caption(), text, owner};
    if (TestAnswerer())
        return TestAnswerer()(request);
    return ShowRealBox(request);
}

MessageAnswer CMessageBox::ShowString(QWidget* owner, int stringId, MessageKind kind)
{
    return Show(owner, QString::fromUtf8(LoadString(stringId)), kind);
}

QString CMessageBox::Caption()
{
    // The application's name, which is the program file's name.
    return QStringLiteral("Velmira");
}

void CMessageBox::SetAnswerer(Answerer answerer)
{
    TestAnswerer() = std::move(answerer);
}
