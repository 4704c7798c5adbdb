#include "outside/hostlink/HostProtocol.h"

#include <QJsonDocument>

#include <limits>

namespace hostlink {

const std::vector<TEventSpec>& HostEvents()
{
    using K = TArgKind;
    static const std::vector<TEventSpec> events = {
        {"CreateDevice", {{"kind", K::Number}, {"device", K::Id}}},
        {"DeleteDevice", {{"device", K::Id}}},
        {"EditParameters", {{"device", K::Id}}},
        {"Stop", {}},
        {"DoDownload2",
         {{"device", K::Id}, {"newAddress", K::Address}, {"oldAddress", K::Address}, {"programming", K::Bytes},
          {"mode", K::Mode}}},
        {"LinkObjToSubGroup", {{"device", K::Id}, {"object", K::ObjectNumber}, {"subGroup", K::Id}}},
        {"UnlinkObjFromSubGroup", {{"device", K::Id}, {"object", K::ObjectNumber}, {"subGroup", K::Id}}},
        {"EditObject", {{"deviceObject", K::Id}}},
        {"ExportDevice", {{"device", K::Id}}},
        {"ImportDevice", {{"device", K::Id}}},
        {"CopyDevice", {{"device", K::Id}, {"source", K::Id}, {"flag", K::Flag}}},
        {"DoReconstruct", {{"device", K::Id}, {"number", K::Number}, {"mode", K::Number}, {"file", K::Text}}},
    };
    return events;
}

std::pair<std::int64_t, std::int64_t> ArgumentRange(TArgKind kind)
{
    constexpr std::int64_t int32Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t int16Max = std::numeric_limits<std::int16_t>::max();
    switch (kind) {
    case TArgKind::Id:
        return {1, int32Max};
    case TArgKind::Number:
        return {std::numeric_limits<std::int32_t>::min(), int32Max};
    case TArgKind::ObjectNumber:
    case TArgKind::Mode:
        return {0, int16Max};
    case TArgKind::Address:
        return {0, std::numeric_limits<std::uint16_t>::max()};
    case TArgKind::Flag:
        return {0, 1};
    case TArgKind::Text:
    case TArgKind::Bytes:
        break;
    }
    return {0, -1};
}

bool IsIntegerKind(TArgKind kind)
{
    return kind != TArgKind::Text && kind != TArgKind::Bytes;
}

const TEventSpec* FindHostEvent(const std::string& name)
{
    for (const TEventSpec& event : HostEvents())
        if (name == event.Name)
            return &event;
    return nullptr;
}

QByteArray EncodeMessage(const QJsonObject& message)
{
    return QJsonDocument(message).toJson(QJsonDocument::Compact) + '\n';
}

namespace {

bool HoldsNul(const QJsonValue& value)
{
    if (value.isString())
        return value.toString().contains(QChar(0));
    if (value.isArray()) {
        for (const QJsonValue& item : value.toArray())
            if (HoldsNul(item))
                return true;
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            if (it.key().contains(QChar(0)) || HoldsNul(it.value()))
                return true;
    }
    return false;
}

} // namespace

TDecodedLine DecodeLine(const QByteArray& line)
{
    if (line.contains('\0'))
        return {std::nullopt, QStringLiteral("a NUL byte in the line")};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, QStringLiteral("no JSON: %1 at offset %2").arg(error.errorString()).arg(error.offset)};
    if (!document.isObject())
        return {std::nullopt, QStringLiteral("no JSON object")};
    QJsonObject message = document.object();
    if (!message.value(QStringLiteral("type")).isString())
        return {std::nullopt, QStringLiteral("a message without a text \"type\"")};
    if (HoldsNul(message))
        return {std::nullopt, QStringLiteral("a NUL inside a text")};
    return {std::move(message), QString()};
}

std::optional<QJsonObject> DecodeMessage(const QByteArray& line)
{
    return DecodeLine(line).Message;
}

QJsonObject ErrorMessage(const QString& reason)
{
    return QJsonObject{{"type", "error"}, {"reason", reason}};
}

void TLineBuffer::Append(const QByteArray& bytes)
{
    qsizetype from = 0;
    if (dropping_) {
        const qsizetype end = bytes.indexOf('\n');
        if (end < 0)
            return;
        dropping_ = false;
        from = end + 1;
    }
    buffer_.append(bytes.constData() + from, bytes.size() - from);
    // The unfinished line at the end already exceeds the limit: drop it now, not when it ends.
    const qsizetype lastEnd = buffer_.lastIndexOf('\n');
    if (buffer_.size() - (lastEnd + 1) > MaxLineBytes) {
        buffer_.truncate(lastEnd + 1);
        dropping_ = true;
        ++overlong_;
    }
}

std::optional<QByteArray> TLineBuffer::Next()
{
    for (;;) {
        const qsizetype end = buffer_.indexOf('\n');
        if (end < 0)
            return std::nullopt;
        if (end > MaxLineBytes) {
            buffer_.remove(0, end + 1);
            ++overlong_;
            continue;
        }
        QByteArray line = buffer_.left(end);
        buffer_.remove(0, end + 1);
        return line;
    }
}

bool TLineBuffer::TakeOverlong()
{
    if (overlong_ == 0)
        return false;
    --overlong_;
    return true;
}

} // namespace hostlink
