#include "platform/TraceLog.h"

#include <QCoreApplication>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace platform {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// What the open log needs besides its on/off flag.
struct TTraceLogState {
    std::unique_ptr<std::FILE, FileCloser> file;
    std::int32_t priority = LOG_LEVEL_NORMAL;
    std::int32_t mask = LOG_MASK_ALL;
    bool withTime = true;
};

TTraceLogState& State()
{
    static TTraceLogState state;
    return state;
}

std::string DefaultLogFile()
{
    std::string folder;
    if (const char* home = std::getenv("PANELCONF_HOME"); home != nullptr && *home != '\0')
        folder = home;
    else if (QCoreApplication::instance() != nullptr)
        folder = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    else
        folder = ".";
    if (folder.back() != '/')
        folder += '/';
    return folder + "panelconf.log";
}

std::string TimeStamp()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d,%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(millis));
    return text;
}

} // namespace

void InitLogFkt(const void* /*host*/, std::int32_t priority, std::int32_t mask, bool withTime,
                const std::string& file)
{
    CloseLogFkt();
    TTraceLogState& state = State();
    const std::string path = file.empty() ? DefaultLogFile() : file;
    state.file.reset(std::fopen(path.c_str(), "ab"));
    if (!state.file)
        return; // a log that cannot be opened stays off
    state.priority = priority;
    state.mask = mask;
    state.withTime = withTime;
    TTraceLog::on_ = true;
}

void LogFktStart(std::string_view name, std::int32_t level, std::int32_t mask, std::string_view file,
                 std::string_view line, std::string_view text)
{
    TTraceLogState& state = State();
    if (!TTraceLog::IsOn() || level < state.priority || (mask & state.mask) == 0)
        return;
    std::string entry;
    if (state.withTime)
        entry.append(TimeStamp()).append(" ");
    entry.append(std::to_string(level)).append(" ").append(name);
    entry.append(" [").append(file).append(":").append(line).append("]");
    if (!text.empty())
        entry.append(" ").append(text);
    entry.append("\n");
    std::fwrite(entry.data(), 1, entry.size(), state.file.get());
    std::fflush(state.file.get()); // the last entries matter most when the program dies
}

void CloseLogFkt()
{
    TTraceLog::on_ = false;
    State().file.reset();
}

} // namespace platform
