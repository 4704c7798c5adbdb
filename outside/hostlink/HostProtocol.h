#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The conversation between the host and the editor over a local socket: one JSON object per
// line (UTF-8), each with its "type".
//   editor: hello {module, pid}          host: welcome {project}
//   host:   event {seq, name, returnNow, result, args}
//   editor: reply {seq, returnNow, result[, files]}   (none for Stop)
//   editor: return {kept}                host: returnAck
// With automation on, the host also sends ui {command, arg} (answered by uiDone {ok, text}),
// and the editor reports every message box as box {text, caption, flags, answer}; without it
// a ui message is answered uiDone {ok: false}.
// A refused event is answered with result 0, returnNow 1 and the reason in "refused". A line
// that is no message (no JSON object, no type, a NUL, longer than MaxLineBytes) or a message of
// an unknown type is answered with error {reason} by either side, and otherwise ignored.
namespace hostlink {

// The environment variable that names the host's socket.
inline constexpr char SocketVariable[] = "ETSHOST_SOCKET";

// The kinds of an event's arguments. The integer kinds: a host id (1 to 2^31-1), any 32-bit
// number, an object number (0 to 32767), a physical address (0 to 65535), a download mode (0 to
// 32767), a flag (0 or 1). Then a text, and bytes (base64 in the message, at most
// ProgrammingBytes of them).
enum class TArgKind { Id, Number, ObjectNumber, Address, Mode, Flag, Text, Bytes };

inline constexpr std::size_t ProgrammingBytes = 12;

// The smallest and the largest value of an integer kind.
std::pair<std::int64_t, std::int64_t> ArgumentRange(TArgKind kind);
bool IsIntegerKind(TArgKind kind);

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

// The longest line either side takes.
inline constexpr qsizetype MaxLineBytes = qsizetype{1} << 20;

// One message as its line, with the trailing newline.
QByteArray EncodeMessage(const QJsonObject& message);

// A line read: its message, or why it is none.
struct TDecodedLine {
    std::optional<QJsonObject> Message;
    QString Error;
};
// The message of one line (without its newline): a JSON object with a text "type", no NUL byte
// in the line and no NUL in any of its texts.
TDecodedLine DecodeLine(const QByteArray& line);
// The message of one line, or none.
std::optional<QJsonObject> DecodeMessage(const QByteArray& line);
// The error message of the reason.
QJsonObject ErrorMessage(const QString& reason);

// Collects the bytes of a stream and hands out its complete lines. A line longer than
// MaxLineBytes is dropped as its bytes come, without being kept; TakeOverlong then says so once.
class TLineBuffer {
public:
    void Append(const QByteArray& bytes);
    // The next complete line without its newline, or none.
    std::optional<QByteArray> Next();
    // True once for each line dropped for its length since the last call.
    bool TakeOverlong();

private:
    QByteArray buffer_;
    bool dropping_ = false; // the rest of an overlong line is still to come
    int overlong_ = 0;
};

} // namespace hostlink
