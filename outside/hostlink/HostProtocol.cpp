#include "outside/hostlink/HostProtocol.h"

#include <QJsonDocument>

namespace hostlink {

const std::vector<TEventSpec>& HostEvents()
{
    using K = TArgKind;
    static const std::vector<TEventSpec> events = {
        {"CreateDevice", {{"kind", K::Int}, {"device", K::Int}}},
        {"DeleteDevice", {{"device", K::Int}}},
        {"EditParameters", {{"device", K::Int}}},
        {"Stop", {}},
        {"DoDownload2",
         {{"device", K::Int}, {"newAddress", K::Int}, {"oldAddress", K::Int}, {"programming", K::Bytes},
          {"mode", K::Int}}},
        {"LinkObjToSubGroup", {{"device", K::Int}, {"object", K::Int}, {"subGroup", K::Int}}},
        {"UnlinkObjFromSubGroup", {{"device", K::Int}, {"object", K::Int}, {"subGroup", K::Int}}},
        {"EditObject", {{"deviceObject", K::Int}}},
        {"ExportDevice", {{"device", K::Int}}},
        {"ImportDevice", {{"device", K::Int}}},
        {"CopyDevice", {{"device", K::Int}, {"source", K::Int}, {"flag", K::Int}}},
        {"DoReconstruct", {{"device", K::Int}, {"number", K::Int}, {"mode", K::Int}, {"file", K::Text}}},
    };
    return events;
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

std::optional<QJsonObject> DecodeMessage(const QByteArray& line)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    QJsonObject message = document.object();
    if (!message.value(QStringLiteral("type")).isString())
        return std::nullopt;
    return message;
}

std::optional<QByteArray> TLineBuffer::Next()
{
    const qsizetype end = buffer_.indexOf('\n');
    if (end < 0)
        return std::nullopt;
    QByteArray line = buffer_.left(end);
    buffer_.remove(0, end + 1);
    return line;
}

} // namespace hostlink
