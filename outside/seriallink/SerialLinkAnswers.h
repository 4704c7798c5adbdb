#pragma once

#include "outside/seriallink/SerialLinkRecords.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace seriallink {

// Scripted answers for the library's dialogs, and the record of what the library was given.
//
// The answers file holds one answer per line: the dialog's word (options, connect, status), the
// number the dialog answers and, for the options, what the user enters ("options 1 port=3
// baud=9600 line=3 continue=1 ask=0 sound=1 mode=1"). Each call takes the first line of its word
// and removes it from the file, so that the answers last over several loads of the library; with
// none left the dialog answers 2 (Cancel). Each call appends one line to the record file, the
// answers file's name followed by ".given".
class TSerialLinkAnswers {
public:
    struct TAnswer {
        std::int32_t Result = 2;
        std::map<std::string, std::string> Values;
    };

    // The answers of the file that SERIALLINK_ANSWERS names; none when it is unset or empty.
    static std::optional<TSerialLinkAnswers> FromEnvironment();

    explicit TSerialLinkAnswers(std::string file) : file_(std::move(file)) {}

    // The first answer of the word, taken out of the file; Cancel when there is none.
    TAnswer Take(std::string_view word) const;
    // Appends the line (UTF-8) to the record file.
    void Record(std::string_view line) const;

    static std::string RecordFileOf(const std::string& answersFile) { return answersFile + ".given"; }

private:
    std::string file_;
};

// Sets the fields that the answer's values name (port, baud, line, continue, ask, sound, mode);
// a value that is no number leaves its field alone.
void ApplyOptionValues(const std::map<std::string, std::string>& values, tagDownloadRs232Options& options);

// The options and texts as the record file shows them, texts in UTF-8 and quoted.
std::string DescribeOptions(const tagDownloadRs232Options& options);
std::string DescribeTexts(const tagDownloadRs232Texts& texts);
// A zero-terminated text of at most size bytes, as a string.
std::string FieldText(const char* field, std::size_t size);

} // namespace seriallink
