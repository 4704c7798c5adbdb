#pragma once

#include <string>
#include <string_view>
#include <vector>

// The comma text of record lines: fields separated by commas, quoted where needed.

// Splits a comma text into its fields. The text ends at its first NUL; blanks and control
// characters around a field are skipped; an unquoted field ends at a comma or at any
// character of code 32 or less; a trailing comma adds one empty field.
std::vector<std::string> SplitCommaText(std::string_view text);
// The same into fields, whose strings are reused.
void SplitCommaText(std::string_view text, std::vector<std::string>& fields);

// Joins fields with commas. A field holding a character of code 1 to 32, a double quote or a
// comma is quoted, with inner double quotes doubled.
std::string JoinCommaText(const std::vector<std::string>& fields);
