#include "tests/climalib/support/DataObjectFixtureBase.h"

#include "outside/datacore/DataBasis.h"

namespace climatest {

namespace {

std::string TransportText(const FakeDevice::TransportRequest& request)
{
    std::string text = "UDT" + std::to_string(request.Code);
    if (request.Code == UDT_ADD_ETS_OBJECT_BY_DISPLAY_ORDER)
        text += ":" + std::to_string(request.DisplayOrder) + "=" + std::to_string(request.Value) + "/"
            + std::to_string(request.Ask);
    if (request.Code == UDT_CHECK_IF_DELETE_OBJECTS_ALLOWED) {
        text += ":";
        for (const int number : request.ObjectNumbers)
            text += std::to_string(number) + " ";
        text.pop_back();
    }
    return text;
}

} // namespace

TDatenStruktur* DataObjectFixtureBase::StoredRecord()
{
    return Device().FindRecord(System, subject_->GetHandle());
}

TDatenStruktur& DataObjectFixtureBase::WriteRecord(TDataBasis& object)
{
    TDatenStruktur* record = Device().GetDatenSatz(System, object.GetParentHandle(), object.GetHandle());
    object.Write(*record);
    return *record;
}

void DataObjectFixtureBase::Build(bool flag, int column, int row)
{
    grid.Clear();
    subject_->BuildInfoWindow(&grid, nullptr, flag, column, row);
}

std::vector<DataObjectFixtureBase::Delivery> DataObjectFixtureBase::Deliveries() const
{
    // The device keeps the requests in the order they were sent, one per request message.
    const std::vector<FakeDevice::DeviceRequest>& deviceRequests = window.Device().DeviceRequests();
    const std::vector<FakeDevice::TransportRequest>& transportRequests = window.Device().TransportRequests();
    std::size_t device = 0;
    std::size_t transport = 0;
    std::vector<Delivery> deliveries;
    for (const FakeMainWindow::Message& message : window.Messages()) {
        Delivery delivery{&message};
        if (message.message == WM_USER_USERDEVICEMESSAGE && device < deviceRequests.size())
            delivery.device = &deviceRequests[device++];
        else if (message.message == WM_USER_DATENTRANSPORT && transport < transportRequests.size())
            delivery.transport = &transportRequests[transport++];
        deliveries.push_back(delivery);
    }
    return deliveries;
}

std::vector<std::string> DataObjectFixtureBase::Trace() const
{
    std::vector<std::string> trace;
    const std::vector<Delivery> deliveries = Deliveries();
    for (std::size_t index = mark_; index < deliveries.size(); ++index) {
        const Delivery& delivery = deliveries[index];
        const FakeMainWindow::Message& m = *delivery.message;
        const std::string cell =
            std::to_string(static_cast<platform::LPARAM>(m.wParam)) + "," + std::to_string(m.lParam);
        if (delivery.device) {
            trace.push_back("UDM" + std::to_string(delivery.device->Code) + ":"
                            + std::to_string(delivery.device->Integer) + "/" + std::to_string(delivery.device->Byte));
            continue;
        }
        if (delivery.transport) {
            trace.push_back(TransportText(*delivery.transport));
            continue;
        }
        switch (m.message) {
        case WM_USER_GETDATENSATZ:
            if (m.lParam == subject_->GetHandle())
                trace.push_back("store");
            break;
        case WM_USER_ABGLEICHFORMVERW:
            trace.push_back("post ABGLEICH " + cell);
            break;
        case WM_USER_UPDATEALLVIEWS:
            trace.push_back("post ALL " + cell);
            break;
        case WM_USER_UPDATEOTHERVIEWS:
            trace.push_back("post OTHER");
            break;
        case WM_USER_SETACTIVECELL:
            trace.push_back("post ACTIVE " + cell);
            break;
        default:
            break;
        }
    }
    return trace;
}

std::vector<std::string> DataObjectFixtureBase::DeliveredTrace()
{
    window.DeliverPosted();
    return Trace();
}

std::vector<std::string> DataObjectFixtureBase::TakeTrace()
{
    std::vector<std::string> trace = DeliveredTrace();
    Mark();
    return trace;
}

} // namespace climatest
