#include "device/DatenStruktur.h"

#include "device/CommaText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using IntMember = std::int32_t TDatenStruktur::*;
using BoolMember = bool TDatenStruktur::*;
using TextMember = std::string TDatenStruktur::*;

constexpr std::array<IntMember, TDatenStruktur::ParamCount> kParams = {
    &TDatenStruktur::Param1,  &TDatenStruktur::Param2,  &TDatenStruktur::Param3,  &TDatenStruktur::Param4,
    &TDatenStruktur::Param5,  &TDatenStruktur::Param6,  &TDatenStruktur::Param7,  &TDatenStruktur::Param8,
    &TDatenStruktur::Param9,  &TDatenStruktur::Param10, &TDatenStruktur::Param11, &TDatenStruktur::Param12,
    &TDatenStruktur::Param13, &TDatenStruktur::Param14, &TDatenStruktur::Param15, &TDatenStruktur::Param16,
    &TDatenStruktur::Param17, &TDatenStruktur::Param18, &TDatenStruktur::Param19,
};
constexpr std::array<BoolMember, TDatenStruktur::BoolCount> kBools = {
    &TDatenStruktur::Bool1, &TDatenStruktur::Bool2, &TDatenStruktur::Bool3, &TDatenStruktur::Bool4,
    &TDatenStruktur::Bool5, &TDatenStruktur::Bool6, &TDatenStruktur::Bool7, &TDatenStruktur::Bool8,
    &TDatenStruktur::Bool9, &TDatenStruktur::Bool10,
};
constexpr std::array<TextMember, TDatenStruktur::StringCount> kStrings = {
    &TDatenStruktur::String1, &TDatenStruktur::String2, &TDatenStruktur::String3,
    &TDatenStruktur::String4, &TDatenStruktur::String5,
};

// A numbered field name such as "Param12": the number when the name is prefix + 1..count.
int FieldNumber(const std::string& name, std::string_view prefix, int count)
{
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const std::string_view digits = std::string_view(name).substr(prefix.size());
    if (digits.front() == '0')
        return 0;
    int n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || end != digits.data() + digits.size() || n < 1 || n > count)
        return 0;
    return n;
}

IntMember FindIntMember(const std::string& name)
{
    if (name == "Handle") return &TDatenStruktur::Handle;
    if (name == "Parent") return &TDatenStruktur::Parent;
    if (name == "System") return &TDatenStruktur::System;
    if (name == "Next") return &TDatenStruktur::Next;
    if (const int n = FieldNumber(name, "Param", TDatenStruktur::ParamCount))
        return kParams[n - 1];
    return nullptr;
}

// "String5" is deliberately not known by name.
TextMember FindTextMember(const std::string& name)
{
    if (name == "Name") return &TDatenStruktur::Name;
    if (const int n = FieldNumber(name, "String", TDatenStruktur::StringCount - 1))
        return kStrings[n - 1];
    return nullptr;
}

BoolMember FindBoolMember(const std::string& name)
{
    if (const int n = FieldNumber(name, "Bool", TDatenStruktur::BoolCount))
        return kBools[n - 1];
    return nullptr;
}

[[noreturn]] void ThrowUnknownField(const std::string& name)
{
    throw E_DatenStruktur("Feld nicht vorhanden: " + name);
}

constexpr std::size_t RecordFields = 41;

// The number in the text, or none when the text is no signed 32-bit integer.
std::optional<std::int32_t> ParseInt(const std::string& text)
{
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::int32_t ReadInt(const std::string& text)
{
    return ParseInt(text).value_or(0);
}

// The names of the number columns (1 and 3 to 25) whose text is no number.
std::string NotNumbers(const std::vector<std::string>& f)
{
    static const std::array<const char*, 6> first = {"Handle", "", "Typ", "Parent", "System", "Next"};
    std::string names;
    for (std::size_t i = 0; i < 6 + TDatenStruktur::ParamCount; ++i) {
        if (i == 1 || ParseInt(f[i]))
            continue;
        names += names.empty() ? "" : ", ";
        names += i < first.size() ? std::string(first[i]) : "Param" + std::to_string(i - 5);
    }
    return names;
}

bool ReadBool(const std::string& text)
{
    return text == "true" || text == "TRUE";
}

// A text field as it goes into a record line: CR, LF and NUL become blanks, since the first two
// would break the line and a NUL ends the record text.
std::string LineSafe(const std::string& text)
{
    if (text.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos)
        return text;
    std::string safe = text;
    for (char& c : safe)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return safe;
}

bool TextLess(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

} // namespace

std::int32_t& TDatenStruktur::ParamAt(int n) { return this->*kParams.at(n - 1); }
std::int32_t TDatenStruktur::ParamAt(int n) const { return this->*kParams.at(n - 1); }
bool& TDatenStruktur::BoolAt(int n) { return this->*kBools.at(n - 1); }
bool TDatenStruktur::BoolAt(int n) const { return this->*kBools.at(n - 1); }
std::string& TDatenStruktur::StringAt(int n) { return this->*kStrings.at(n - 1); }
const std::string& TDatenStruktur::StringAt(int n) const { return this->*kStrings.at(n - 1); }

const std::int32_t* TDatenStruktur::IntField(const std::string& feldName) const
{
    const IntMember member = FindIntMember(feldName);
    return member ? &(this->*member) : nullptr;
}

const std::string* TDatenStruktur::TextField(const std::string& feldName) const
{
    const TextMember member = FindTextMember(feldName);
    return member ? &(this->*member) : nullptr;
}

bool TDatenStruktur::EqualsString(const std::string& feldName, const std::string& wert) const
{
    const std::string* field = TextField(feldName);
    if (!field)
        ThrowUnknownField(feldName);
    return *field == wert;
}

bool TDatenStruktur::EqualsInt(const std::string& feldName, std::int32_t wert) const
{
    if (feldName == "Typ")
        return static_cast<std::int32_t>(Typ) == wert;
    const std::int32_t* field = IntField(feldName);
    if (!field)
        ThrowUnknownField(feldName);
    return *field == wert;
}

bool TDatenStruktur::EqualsTyp(const std::string& feldName, std::int16_t wert) const
{
    if (feldName != "Typ")
        ThrowUnknownField(feldName);
    return Typ == wert;
}

bool TDatenStruktur::EqualsBool(const std::string& feldName, bool wert) const
{
    const BoolMember member = FindBoolMember(feldName);
    if (!member)
        ThrowUnknownField(feldName);
    return this->*member == wert;
}

void TDatenStruktur::Fill(const std::string& datensatz)
{
    FillFields(datensatz);
}

std::string TDatenStruktur::FillAndCheck(const std::string& datensatz)
{
    const std::vector<std::string>& f = FillFields(datensatz);
    std::string doubts;
    if (const std::string names = NotNumbers(f); !names.empty())
        doubts = "keine Zahl in " + names + " (als 0 gelesen)";
    if (f.size() > RecordFields) {
        doubts += doubts.empty() ? "" : "; ";
        doubts += std::to_string(f.size()) + " Felder statt " + std::to_string(RecordFields) +
                  " (mehr als ein Datensatz in der Zeile?), nur die ersten gelesen";
    }
    return doubts;
}

const std::vector<std::string>& TDatenStruktur::FillFields(const std::string& datensatz)
{
    // The fields of the last line read keep their room for the next one.
    thread_local std::vector<std::string> f;
    SplitCommaText(datensatz, f);
    // 39 fields are accepted: such a line only lacks String5.
    if (f.size() < 39) {
        std::string message;
        if (!f.empty()) {
            message = "TDatenStruktur::Fill(String Datensatz)\nHandle: " + f[0];
            if (f.size() >= 2)
                message += "\nName  : " + f[1];
        }
        throw E_DatenStruktur(message);
    }

    Handle = ReadInt(f[0]);
    Name = f[1];
    Typ = static_cast<std::int16_t>(static_cast<std::uint16_t>(ReadInt(f[2])));
    Parent = ReadInt(f[3]);
    System = ReadInt(f[4]);
    Next = ReadInt(f[5]);
    for (int i = 0; i < ParamCount; ++i)
        this->*kParams[i] = ReadInt(f[6 + i]);
    for (int i = 0; i < BoolCount; ++i)
        this->*kBools[i] = ReadBool(f[25 + i]);
    for (int i = 0; i < StringCount; ++i)
        this->*kStrings[i] = 35u + i < f.size() ? f[35 + i] : std::string();
    return f;
}

std::string TDatenStruktur::ToString() const
{
    std::vector<std::string> f;
    f.reserve(41);
    f.push_back(std::to_string(Handle));
    f.push_back(Name.empty() ? std::string("\"\"") : LineSafe(Name));
    f.push_back(std::to_string(Typ));
    f.push_back(std::to_string(Parent));
    f.push_back(std::to_string(System));
    f.push_back(std::to_string(Next));
    for (const IntMember param : kParams)
        f.push_back(std::to_string(this->*param));
    for (const BoolMember flag : kBools)
        f.push_back(this->*flag ? "true" : "false");
    for (const TextMember text : kStrings)
        f.push_back(LineSafe(this->*text));
    f.push_back("Ende");
    return JoinCommaText(f);
}

std::string TDatenStruktur::GetHeaderLine() const
{
    std::vector<std::string> names = {"#Handle", "Name", "Typ", "Parent", "System", "Next"};
    for (int i = 1; i <= ParamCount; ++i)
        names.push_back("Param" + std::to_string(i));
    for (int i = 1; i <= BoolCount; ++i)
        names.push_back("Bool" + std::to_string(i));
    for (int i = 1; i <= StringCount; ++i)
        names.push_back("String" + std::to_string(i));
    names.push_back("Endekennung");
    return JoinCommaText(names);
}

std::string TDatenStruktur::GetCommentLine() const
{
    return "#Kestrow Elektronik GmbH";
}

TSortDaten<TDatenStruktur>::sort_daten::sort_daten(std::string feldName) : feldName_(std::move(feldName)) {}

bool TSortDaten<TDatenStruktur>::sort_daten::operator()(const TDatenStruktur& a, const TDatenStruktur& b) const
{
    if (feldName_ == "Typ")
        return a.Typ < b.Typ;
    if (const IntMember member = FindIntMember(feldName_))
        return a.*member < b.*member;
    if (const TextMember member = FindTextMember(feldName_))
        return TextLess(a.*member, b.*member);
    ThrowUnknownField(feldName_);
}
