#include "host/DeviceDump.h"

#include "host/SqlStatement.h"
#include "host/SqlTransaction.h"

#include <string>

namespace host {

namespace {

// Continuation lines of a text with line breaks start under its first line.
std::string Indented(const std::string& text, const std::string& indent)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        result += text[i];
        if (text[i] == '\n')
            result += indent;
    }
    return result;
}

std::string Flags(const TSqlStatement& row, int firstColumn)
{
    // Communication, read, write, transmit, update.
    const char letters[] = "CRWTU";
    std::string flags;
    for (int i = 0; i < 5; ++i)
        flags += row.Int64(firstColumn + i) != 0 ? letters[i] : '-';
    return flags;
}

bool WriteRecord(TSqlDatabase& db, std::int32_t deviceId, std::ostream& out)
{
    TSqlStatement device(db, R"sql(
        SELECT d.name, d.description, p.id, p.name, a.number, l.number, d.device_number,
               pr.name, pr.order_number, pg.name
        FROM device d
        JOIN project p ON p.id = d.project_id
        JOIN line l ON l.id = d.line_id
        JOIN area a ON a.id = l.area_id
        JOIN product pr ON pr.id = d.product_id
        JOIN program pg ON pg.id = d.program_id
        WHERE d.id = ?1)sql");
    device.Bind(1, deviceId);
    if (!device.Step())
        return false;
    out << "Device " << deviceId << ": " << device.Text(0) << "\n"
        << "  Description: " << Indented(device.Text(1), "               ") << "\n"
        << "  Project: " << device.Int64(2) << " " << device.Text(3) << "\n"
        << "  Physical address: " << device.Int64(4) << "." << device.Int64(5) << "." << device.Int64(6) << "\n"
        << "  Product: " << device.Text(7) << " (" << device.Text(8) << "), program " << device.Text(9) << "\n";
    return true;
}

void WriteParameters(TSqlDatabase& db, std::int32_t deviceId, std::ostream& out)
{
    TSqlStatement parameters(db, R"sql(
        SELECT p.display_order, p.name, dp.value, dp.id
        FROM device_parameter dp JOIN parameter p ON p.id = dp.parameter_id
        WHERE dp.device_id = ?1
        ORDER BY p.display_order, dp.id)sql");
    parameters.Bind(1, deviceId);
    out << "Parameters:\n";
    bool any = false;
    while (parameters.Step()) {
        any = true;
        out << "  " << parameters.Int64(0) << " " << parameters.Text(1) << " = " << parameters.Int64(2)
            << "  (device parameter " << parameters.Int64(3) << ")\n";
    }
    if (!any)
        out << "  none\n";
}

void WriteObjects(TSqlDatabase& db, std::int32_t deviceId, std::ostream& out)
{
    TSqlStatement objects(db, R"sql(
        SELECT o.number, c.name, c.function_text, o.type,
               o.comm_flag, o.read_flag, o.write_flag, o.trans_flag, o.update_flag,
               o.id, o.active
        FROM device_object o JOIN comm_object c ON c.id = o.comm_object_id
        WHERE o.device_id = ?1
        ORDER BY o.number, o.id)sql");
    objects.Bind(1, deviceId);
    out << "Objects:\n";
    bool any = false;
    while (objects.Step()) {
        any = true;
        out << "  " << objects.Int64(0) << " " << objects.Text(1);
        if (!objects.Text(2).empty())
            out << " [" << objects.Text(2) << "]";
        out << "  type " << objects.Int64(3) << ", flags " << Flags(objects, 4) << ", device object "
            << objects.Int64(9) << (objects.Int64(10) > 0 ? "" : ", inactive") << "\n";
    }
    if (!any)
        out << "  none\n";
}

void WriteLinks(TSqlDatabase& db, std::int32_t deviceId, std::ostream& out)
{
    TSqlStatement links(db, R"sql(
        SELECT o.number, mg.number, mi.number, sg.number, sg.name, s.send_flag, s.id
        FROM sub_to_object s
        JOIN device_object o ON o.id = s.device_object_id
        JOIN sub_group sg ON sg.id = s.sub_group_id
        JOIN middle_group mi ON mi.id = sg.middle_group_id
        JOIN main_group mg ON mg.id = mi.main_group_id
        WHERE o.device_id = ?1
        ORDER BY o.number, s.send_flag DESC, s.id)sql");
    links.Bind(1, deviceId);
    out << "Links:\n";
    bool any = false;
    while (links.Step()) {
        any = true;
        out << "  object " << links.Int64(0) << " -> " << links.Int64(1) << "/" << links.Int64(2) << "/"
            << links.Int64(3) << " " << links.Text(4) << (links.Int64(5) > 0 ? " (sending)" : "")
            << "  (link " << links.Int64(6) << ")\n";
    }
    if (!any)
        out << "  none\n";
}

void WriteBlobSize(TSqlDatabase& db, std::int32_t deviceId, std::ostream& out)
{
    TSqlStatement blob(db, "SELECT length(data) FROM device_blob WHERE device_id = ?1");
    blob.Bind(1, deviceId);
    out << "Data block: " << (blob.Step() ? blob.Int64(0) : 0) << " bytes\n";
}

} // namespace

bool DumpDevice(TSqlDatabase& db, std::int32_t deviceId, std::ostream& out)
{
    // One snapshot for all the reads, whatever the editor writes meanwhile.
    const TSqlTransaction snapshot(db, TSqlTransaction::TKind::Read);
    if (!WriteRecord(db, deviceId, out))
        return false;
    WriteParameters(db, deviceId, out);
    WriteObjects(db, deviceId, out);
    WriteLinks(db, deviceId, out);
    WriteBlobSize(db, deviceId, out);
    return true;
}

} // namespace host
