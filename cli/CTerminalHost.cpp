#include "cli/CTerminalHost.h"

#include "cli/Interrupt.h"
#include "engine/CRenderRun.h"
#include "engine/StringTable.h"
#include "platform/SystemServices.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// Cuts text to at most width bytes without splitting a UTF-8 character.
void FitToWidth(std::string& text, size_t width)
{
    if (text.size() <= width)
        return;
    size_t cut = width;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    text.resize(cut);
}

} // namespace

CTerminalHost::CTerminalHost(bool showProgress, bool showCompletion)
    : m_bShowProgress(showProgress), m_bShowCompletion(showCompletion)
{
}

int CTerminalHost::ExitCode() const
{
    if (m_bFailed)
        return 1;
    return m_bCompleted ? 0 : 130;
}

void CTerminalHost::ShowMessage(int, const std::string& text)
{
    EndProgressLine();
    m_bFailed = true;
    std::fprintf(stderr, "velmira-render: %s\n", text.c_str());
}

void CTerminalHost::SetRemainingText(const std::string&)
{
}

void CTerminalHost::UpdateProgress(int i, const std::string& name, int elapsed)
{
    if (!m_bShowProgress || m_pRun == nullptr)
        return;
    const ProgressFigures figures = m_pRun->GetProgressFigures(i, name, elapsed);
    std::string line = figures.completedText + "  " + figures.currentText + "  " +
                       figures.filesText + "  " + figures.elapsedText + "  left " +
                       figures.remainingText + "  " + figures.fileName;
    FitToWidth(line, static_cast<size_t>(TerminalWidth() - 1));
    std::fprintf(stderr, "\r%s\033[K", line.c_str());
    std::fflush(stderr);
    m_bLineOpen = true;
}

void CTerminalHost::PumpMessages()
{
    if (Interrupted() && m_pRun != nullptr && m_pRun->IsRunning())
        m_pRun->Stop();
}

int64_t CTerminalHost::WallClockSeconds()
{
    return ::WallClockSeconds();
}

void CTerminalHost::HideAndShowCompletion()
{
    EndProgressLine();
    m_bCompleted = true;
    if (m_bShowCompletion)
        std::printf("%s\n", LoadString(IDS_MIX_COMPLETED));
}

void CTerminalHost::EndProgressLine()
{
    if (!m_bLineOpen)
        return;
    std::fputc('\n', stderr);
    m_bLineOpen = false;
}

int CTerminalHost::TerminalWidth() const
{
    winsize size{};
    if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 10)
        return size.ws_col;
    return 80;
}
