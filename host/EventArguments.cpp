#include "host/EventArguments.h"

#include "host/SimulatedBus.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cctype>
#include <charconv>

namespace host {

namespace {

std::optional<std::int64_t> Decimal(const std::string& text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string Named(const hostlink::TEventArgument& argument, const std::string& text)
{
    return std::string(argument.Name) + "=" + text;
}

} // namespace

TCheckedArgument CheckArgument(const hostlink::TEventArgument& argument, const std::string& text)
{
    using hostlink::TArgKind;
    switch (argument.Kind) {
    case TArgKind::Text:
        return {QJsonValue(QString::fromStdString(text)), {}};
    case TArgKind::Bytes: {
        const bool hex = text.size() % 2 == 0 && std::all_of(text.begin(), text.end(), [](char c) {
                             return std::isxdigit(static_cast<unsigned char>(c)) != 0;
                         });
        if (!hex)
            return {std::nullopt, Named(argument, text) + " is no hex bytes"};
        if (text.size() / 2 > hostlink::ProgrammingBytes)
            return {std::nullopt, Named(argument, text) + " is longer than "
                                      + std::to_string(hostlink::ProgrammingBytes) + " bytes"};
        QByteArray bytes = QByteArray::fromHex(QByteArray::fromStdString(text));
        bytes.resize(static_cast<qsizetype>(hostlink::ProgrammingBytes), '\0');
        return {QJsonValue(QString::fromLatin1(bytes.toBase64())), {}};
    }
    default:
        break;
    }
    std::optional<std::int64_t> value;
    if (argument.Kind == TArgKind::Address && text.find('.') != std::string::npos) {
        if (const auto address = ParsePhysicalAddress(text))
            value = *address;
        else
            return {std::nullopt, Named(argument, text) + " is no physical address (area 0-15, line 0-15, device 0-255)"};
    } else {
        value = Decimal(text);
    }
    if (!value)
        return {std::nullopt, Named(argument, text) + " is no number"};
    const auto [low, high] = hostlink::ArgumentRange(argument.Kind);
    if (*value < low || *value > high)
        return {std::nullopt, Named(argument, text) + " is out of range (" + std::to_string(low) + " to "
                                  + std::to_string(high) + ")"};
    return {QJsonValue(static_cast<qint64>(*value)), {}};
}

std::optional<std::int32_t> HostId(const std::string& name, const std::string& text, std::string& refusal)
{
    const hostlink::TEventArgument argument{name.c_str(), hostlink::TArgKind::Id};
    const TCheckedArgument checked = CheckArgument(argument, text);
    if (!checked.Value) {
        refusal = checked.Refusal;
        return std::nullopt;
    }
    return static_cast<std::int32_t>(checked.Value->toInteger());
}

} // namespace host
