#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::int32_t LOG_LEVEL_NORMAL = 1024;
inline constexpr std::int32_t LOG_MASK_ALL = -1;

// The trace log. Closed it costs one test of a flag per entry; open it writes one line per entry
// whose level reaches the priority and whose mask meets the log's mask.
class TTraceLog {
public:
    static bool IsOn() noexcept { return on_; }

private:
    friend void InitLogFkt(const void*, std::int32_t, std::int32_t, bool, const std::string&);
    friend void CloseLogFkt();
    static inline bool on_ = false;
};

// Opens the log (again) with the given priority, mask and time-stamp switch. The host link object
// is not needed here. The file is `file` when it is not empty, otherwise "panelconf.log" in the
// program folder (PANELCONF_HOME when set, else the executable's folder). Lines are appended.
void InitLogFkt(const void* host, std::int32_t priority, std::int32_t mask, bool withTime,
                const std::string& file);

// One entry: the qualified operation name, level, mask, source file, line as text and a text.
void LogFktStart(std::string_view name, std::int32_t level, std::int32_t mask, std::string_view file,
                 std::string_view line, std::string_view text);

// Closes the log; entries are dropped until it is opened again.
void CloseLogFkt();

} // namespace platform

#define PLATFORM_LOG_STRINGIZE2(x) #x
#define PLATFORM_LOG_STRINGIZE(x) PLATFORM_LOG_STRINGIZE2(x)

// The entry at the start of an operation; file and line are taken from the call site.
#define LOG_FKT_START_TEXT(name, level, text)                                                            \
    do {                                                                                                 \
        if (::platform::TTraceLog::IsOn())                                                               \
            ::platform::LogFktStart((name), (level), ::platform::LOG_MASK_ALL, __FILE__,                 \
                                    PLATFORM_LOG_STRINGIZE(__LINE__), (text));                           \
    } while (false)
#define LOG_FKT_START_LEVEL(name, level) LOG_FKT_START_TEXT(name, level, "")
#define LOG_FKT_START(name) LOG_FKT_START_TEXT(name, ::platform::LOG_LEVEL_NORMAL, "")
