#include "dialogs/project/DlgSelectDevice.h"

#include "app/Spraddrlink.h"
#include "app/Spredit.h"
#include "dialogs/project/DlgGlobalParameterStatus.h"
#include "outside/progresslib/DlgProgressEx.h"
#include "platform/Cp1252.h"
#include "platform/CursorHourGlass.h"
#include "platform/TraceLog.h"
#include "platform/UiService.h"

#include <QHBoxLayout>
#include <QScreen>
#include <QScrollBar>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int DeviceRole = Qt::UserRole + 1;

} // namespace

TDlgSelectDevice::TDlgSelectDevice(QWidget* owner, TGlobalParameterMainWindow* mainWindow, TEts2Cdi* link,
                                   TDataBasis* object, std::int32_t ownDeviceId,
                                   const std::vector<std::string>& table, TStatusReportOpener openReport)
    : QDialog(owner),
      registration_([this](platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam) {
          return Dispatch(message, wParam, lParam);
      }),
      mainWindow_(mainWindow),
      object_(object),
      table_(table),
      openReport_(std::move(openReport)),
      run_(link, object, mainWindow, ownDeviceId, registration_.Handle())
{
    LOG_FKT_START("TDlgSelectDevice::TDlgSelectDevice");
    setObjectName("DlgSelectDevice");
    resize(495, 327);
    setMinimumSize(495, 300);

    lvProjectDevices = new QTreeWidget(this);
    lvProjectDevices->setRootIsDecorated(false);
    lvProjectDevices->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvProjectDevices->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvProjectDevices->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvProjectDevices->setSortingEnabled(false);
    lvProjectDevices->setColumnCount(3);
    lvProjectDevices->setColumnWidth(0, 65);
    lvProjectDevices->setColumnWidth(1, 150);
    lvProjectDevices->setColumnWidth(2, 250);
    lvProjectDevices->header()->setSectionsClickable(true);
    lvProjectDevices->header()->setSortIndicatorShown(false);

    Panel1 = new QWidget(this);
    Panel1->setFixedHeight(41);
    BtnAll = new QPushButton(Panel1);
    BtnBack = new QPushButton(Panel1);
    BtnNext = new QPushButton(Panel1);
    BtnCancel = new QPushButton(Panel1);
    for (QPushButton* button : {BtnAll, BtnBack, BtnNext, BtnCancel}) {
        button->setFixedSize(82, 25);
        button->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout(Panel1);
    buttons->setContentsMargins(8, 8, 8, 8);
    buttons->addWidget(BtnAll);
    buttons->addStretch();
    buttons->addWidget(BtnBack);
    buttons->addWidget(BtnNext);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(lvProjectDevices);
    layout->addWidget(Panel1);

    connect(BtnAll, &QPushButton::clicked, this, [this] { BtnAllClick(); });
    connect(BtnBack, &QPushButton::clicked, this, [this] { done(3); });
    connect(BtnNext, &QPushButton::clicked, this, [this] { BtnNextClick(); });
    connect(BtnCancel, &QPushButton::clicked, this, [this] { done(2); });
    connect(lvProjectDevices, &QTreeWidget::itemSelectionChanged, this, [this] { SetButtons(); });
    connect(lvProjectDevices, &QTreeWidget::itemDoubleClicked, this, [this] { BtnNextClick(); });
    connect(lvProjectDevices->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { lvProjectDevicesColumnClick(column); });

    SetButtons();
    // FormCreate
    LadeTexte();
    InitData();
}

TDlgSelectDevice::~TDlgSelectDevice() = default;

int TDlgSelectDevice::ShowModal()
{
    return platform::Ui().ShowModal(*this);
}

platform::LRESULT TDlgSelectDevice::Dispatch(platform::UINT message, platform::WPARAM, platform::LPARAM)
{
    if (message == WM_USER_PROGRESSCANCELEX) {
        run_.Cancel();
        StopDlgProgressEx();
    }
    return 0;
}

void TDlgSelectDevice::LadeTexte()
{
    setWindowTitle(platform::ToQString(Spredit::Text9257));
    SetColumnCaptions(false);
    BtnAll->setText(platform::ToQString(Spredit::Text9260));
    BtnBack->setText(platform::ToQString(Spredit::Text9261));
    BtnNext->setText(platform::ToQString(Spredit::Text9262));
    BtnCancel->setText(platform::ToQString(Spredit::Text9008));
}

void TDlgSelectDevice::SetColumnCaptions(bool withMark)
{
    const std::string captions[] = {Spraddrlink::Text1036, Spredit::Text9258, Spredit::Text9259};
    QStringList header;
    for (int column = 0; column < 3; ++column) {
        std::string caption = captions[column];
        if (withMark && column == sortColumn_)
            caption += " *";
        header << platform::ToQString(caption);
    }
    lvProjectDevices->setHeaderLabels(header);
}

bool TDlgSelectDevice::InitData()
{
    LOG_FKT_START("TDlgSelectDevice::InitData");
    const bool loaded = run_.InitData();
    if (loaded)
        FillListView();
    SetButtons();
    return loaded;
}

bool TDlgSelectDevice::FillListView()
{
    lvProjectDevices->clear();
    for (const auto& device : run_.Devices()) {
        auto* item = new QTreeWidgetItem(lvProjectDevices); // owned by the list
        item->setText(0, platform::ToQString(PhysAddressText(device->PhysAddress)));
        item->setText(1, platform::ToQString(device->Name));
        item->setText(2, platform::ToQString(device->Description));
        item->setData(0, DeviceRole, QVariant::fromValue(static_cast<void*>(device.get())));
    }
    if (lvProjectDevices->topLevelItemCount() > 0)
        lvProjectDevices->setCurrentItem(lvProjectDevices->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
    FitColumns();
    return true;
}

void TDlgSelectDevice::FitColumns()
{
    // Each column as wide as its caption and its widest entry; the dialog grows to show them all,
    // within its screen.
    int wanted = 2 * lvProjectDevices->frameWidth() + lvProjectDevices->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < lvProjectDevices->columnCount(); ++column) {
        lvProjectDevices->resizeColumnToContents(column);
        wanted += lvProjectDevices->columnWidth(column);
    }
    const QScreen* shown = screen();
    const int room = shown ? shown->availableGeometry().width() : wanted;
    if (width() < wanted)
        resize(std::min(wanted, room), height());
}

SDeviceData* TDlgSelectDevice::DeviceOf(const QTreeWidgetItem* item) const
{
    return item ? static_cast<SDeviceData*>(item->data(0, DeviceRole).value<void*>()) : nullptr;
}

void TDlgSelectDevice::SetButtons()
{
    BtnNext->setEnabled(!running_ && lvProjectDevices->topLevelItemCount() > 0
                        && !lvProjectDevices->selectedItems().isEmpty());
}

void TDlgSelectDevice::EnableButtons(bool enabled)
{
    for (QPushButton* button : {BtnAll, BtnBack, BtnCancel})
        button->setEnabled(enabled);
    lvProjectDevices->setEnabled(enabled);
    SetButtons();
}

void TDlgSelectDevice::BtnAllClick()
{
    if (!lvProjectDevices->selectedItems().isEmpty())
        lvProjectDevices->clearSelection();
    else
        lvProjectDevices->selectAll();
    SetButtons();
    lvProjectDevices->setFocus();
}

void TDlgSelectDevice::lvProjectDevicesColumnClick(int column)
{
    const platform::TCursorHourGlass hourGlass;
    if (column == sortColumn_) {
        ascending_ = !ascending_;
    } else {
        sortColumn_ = column;
        ascending_ = true;
    }
    std::vector<QTreeWidgetItem*> items;
    while (lvProjectDevices->topLevelItemCount() > 0)
        items.push_back(lvProjectDevices->takeTopLevelItem(0));
    std::stable_sort(items.begin(), items.end(), [this](const QTreeWidgetItem* a, const QTreeWidgetItem* b) {
        const SDeviceData* x = DeviceOf(a);
        const SDeviceData* y = DeviceOf(b);
        return x && y && CompareDevices(*x, *y, sortColumn_, ascending_) < 0;
    });
    for (QTreeWidgetItem* item : items)
        lvProjectDevices->addTopLevelItem(item);
    SetColumnCaptions(true);
    FitColumns();
}

std::vector<SDeviceData*> TDlgSelectDevice::AddSelectedDevicesToList() const
{
    std::vector<SDeviceData*> devices;
    for (int i = 0; i < lvProjectDevices->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = lvProjectDevices->topLevelItem(i);
        if (item->isSelected()) {
            if (SDeviceData* device = DeviceOf(item))
                devices.push_back(device);
        }
    }
    return devices;
}

void TDlgSelectDevice::BtnNextClick()
{
    LOG_FKT_START("TDlgSelectDevice::BtnNextClick");
    // Events are served during the run: a second click must not start another one.
    if (running_)
        return;
    const std::vector<SDeviceData*> devices = AddSelectedDevicesToList();
    if (devices.empty())
        return;
    if (platform::MessageBox(Spredit::Text9045, Spredit::Text9043, platform::MB_YESNO | platform::MB_ICONWARNING)
        != platform::IDYES)
        return;
    running_ = true;
    EnableButtons(false);
    run_.EditDevicesFromList(devices);
    hide();
    const int result = CreateDlgGlobalParameterStatus(devices);
    running_ = false;
    EnableButtons(true);
    if (result == 1)
        done(1);
}

int TDlgSelectDevice::CreateDlgGlobalParameterStatus(const std::vector<SDeviceData*>& devices)
{
    if (openReport_)
        return openReport_(*this, devices, table_);
    return ShowDlgGlobalParameterStatus(this, mainWindow_, object_, devices, table_);
}

int ShowDlgSelectDevice(QWidget* owner, TGlobalParameterMainWindow* mainWindow, TEts2Cdi* link, TDataBasis* object,
                        std::int32_t ownDeviceId, const std::vector<std::string>& table)
{
    TDlgSelectDevice dialog(owner, mainWindow, link, object, ownDeviceId, table, {});
    return dialog.ShowModal();
}
