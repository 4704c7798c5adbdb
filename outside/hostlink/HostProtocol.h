#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>

#include <optional>
#include <string>
#include <vector>

// The conversation between the host and the editor over a local socket: one JSON object per
// line (UTF-8), each with its "type".
//   editor: hello {module, pid}          host: welcome {project}
//   host:   event {seq, name, returnNow, result, args}
//   editor: reply {seq, returnNow, result[, files]}   (none for Stop)
//   editor: return {kept}                host: returnAck
// With automation on, the host also sends ui {command, arg} (answered by uiDone {ok, text}),
// and the editor reports every message box as box {text, caption, flags, answer}.
namespace hostlink {

// The environment variable that names the host's socket.
inline constexpr char SocketVariable[] = "ETSHOST_SOCKET";

// The kinds of an event's arguments: a 32-bit integer, a text, bytes (base64 in the message).
enum class TArgKind { Int, Text, Bytes };

struct TEventArgument {
    const char* Name;
    TArgKind Kind;
};

// An event the host raises, with its arguments in their order.
struct TEventSpec {
    const char* Name;
    std::vector<TEventArgument> Arguments;
};

// The twelve events.
const std::vector<TEventSpec>& HostEvents();
// The event of that name, or none.
const TEventSpec* FindHostEvent(const std::string& name);

// One message as its line, with the trailing newline.
QByteArray EncodeMessage(const QJsonObject& message);
// The message of one line (without its newline); none when it is not a JSON object with a type.
std::optional<QJsonObject> DecodeMessage(const QByteArray& line);

// Collects the bytes of a stream and hands out its complete lines.
class TLineBuffer {
public:
    void Append(const QByteArray& bytes) { buffer_.append(bytes); }
    // The next complete line without its newline, or none.
    std::optional<QByteArray> Next();

private:
    QByteArray buffer_;
};

} // namespace hostlink
