#include "outside/hostlink/EventArgumentCheck.h"

#include <QByteArray>
#include <QJsonValue>

#include <cmath>

namespace hostlink {

namespace {

std::optional<QString> RefuseValue(const TEventArgument& argument, const QJsonValue& value)
{
    const QString name = QString::fromLatin1(argument.Name);
    if (argument.Kind == TArgKind::Text)
        return value.isString() ? std::nullopt : std::optional<QString>(name + QStringLiteral(" is no text"));
    if (argument.Kind == TArgKind::Bytes) {
        if (!value.isString())
            return name + QStringLiteral(" is no base64 text");
        const auto decoded =
            QByteArray::fromBase64Encoding(value.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return name + QStringLiteral(" is no base64 text");
        if (decoded.decoded.size() > static_cast<qsizetype>(ProgrammingBytes))
            return name + QStringLiteral(" holds more than %1 bytes").arg(ProgrammingBytes);
        return std::nullopt;
    }
    if (!value.isDouble())
        return name + QStringLiteral(" is no number");
    const double number = value.toDouble();
    if (!std::isfinite(number) || number != std::floor(number))
        return name + QStringLiteral(" is no integer");
    const auto [low, high] = ArgumentRange(argument.Kind);
    if (number < static_cast<double>(low) || number > static_cast<double>(high))
        return QStringLiteral("%1=%2 is out of range (%3 to %4)")
            .arg(name, QString::number(number, 'f', 0), QString::number(low), QString::number(high));
    return std::nullopt;
}

} // namespace

std::optional<QString> RefuseArguments(const TEventSpec& event, const QJsonArray& args)
{
    const auto expected = static_cast<qsizetype>(event.Arguments.size());
    if (args.size() < expected)
        return QString::fromLatin1(event.Arguments[static_cast<std::size_t>(args.size())].Name)
               + QStringLiteral(" is missing");
    if (args.size() > expected)
        return QStringLiteral("%1 takes %2 arguments, not %3")
            .arg(QString::fromLatin1(event.Name))
            .arg(expected)
            .arg(args.size());
    for (qsizetype i = 0; i < expected; ++i)
        if (auto refusal = RefuseValue(event.Arguments[static_cast<std::size_t>(i)], args.at(i)))
            return refusal;
    return std::nullopt;
}

} // namespace hostlink
