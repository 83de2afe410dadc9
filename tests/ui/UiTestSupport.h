#pragma once

// Helpers for the window tests: the message-box and file-dialog seams answered and
// recorded, a poller that acts on windows as they appear, and large WAV files that take
// no disk space.

#include "support/WavFixture.h"
#include "ui/CFileDialog.h"
#include "ui/CMessageBox.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace uitest {

// Records every message the program shows and answers each with `answer` (OK for
// OK-only messages).
class MessageLog
{
public:
    explicit MessageLog(MessageAnswer answer = MessageAnswer::No) : m_answer(answer)
    {
        CMessageBox::SetAnswerer([this](const CMessageBox::Request& request) {
            shown.push_back(request);
            return request.kind == MessageKind::Question ? m_answer : MessageAnswer::Ok;
        });
    }
    ~MessageLog() { CMessageBox::SetAnswerer({}); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    void SetAnswer(MessageAnswer answer) { m_answer = answer; }
    std::vector<QString> Texts() const
    {
        std::vector<QString> texts;
        for (const auto& request : shown)
            texts.push_back(request.text);
        return texts;
    }

    std::vector<CMessageBox::Request> shown;

private:
    MessageAnswer m_answer;
};

// Answers the file dialogs in turn from a queue of chosen paths (an empty list cancels).
class FileAnswers
{
public:
    FileAnswers()
    {
        CFileDialog::SetAnswerer([this](const CFileDialog::Request& request) {
            requests.push_back(request);
            if (m_answers.empty())
                return QStringList();
            QStringList answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
    }
    ~FileAnswers() { CFileDialog::SetAnswerer({}); }
    FileAnswers(const FileAnswers&) = delete;
    FileAnswers& operator=(const FileAnswers&) = delete;

    void Push(const QStringList& paths) { m_answers.push_back(paths); }

    std::vector<CFileDialog::Request> requests;

private:
    std::deque<QStringList> m_answers;
};

// Calls `step` every few milliseconds, from whatever event loop is running (a modal
// window's, or a render run's event pump), until it returns true.
class Poller
{
public:
    explicit Poller(std::function<bool()> step, int intervalMs = 5) : m_step(std::move(step))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (m_done)
                return;
            m_done = m_step();
            if (m_done)
                m_timer.stop();
        });
        m_timer.start(intervalMs);
    }
    bool Done() const { return m_done; }

private:
    std::function<bool()> m_step;
    QTimer m_timer;
    bool m_done = false;
};

// The first visible top-level widget of type T, or null.
template <class T> T* FindWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<T*>(widget); found != nullptr && found->isVisible())
            return found;
    return nullptr;
}

// A WAV file of `seconds` seconds whose data is a hole in the file: all-zero samples that
// cost no disk space, for long playlist entries (silence at 16 bits).
inline std::string WriteSparseWav(const fixture::TempDir& dir, const std::string& name, int seconds,
                                  int rate = 11025, int channels = 1, int bits = 8)
{
    const uint32_t dataBytes = static_cast<uint32_t>(seconds) * static_cast<uint32_t>(rate) *
                               static_cast<uint32_t>(channels * bits / 8);
    fixture::Bytes header;
    fixture::PutTag(header, "RIFF");
    fixture::PutU32(header, 36 + dataBytes);
    fixture::PutTag(header, "WAVE");
    fixture::PutChunk(header, "fmt ", fixture::FormatPayload(channels, rate, bits));
    fixture::PutTag(header, "data");
    fixture::PutU32(header, dataBytes);
    const std::string path = dir.Write(name, header);
    std::filesystem::resize_file(path, header.size() + dataBytes);
    return path;
}

} // namespace uitest
