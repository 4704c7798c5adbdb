#pragma once

// The interface of climalib: the data-object frame with its base TDataBasis, the request
// records and messages, the exception class and the record type and table.
#include "climalib/ClimaDataObject.h"
#include "climalib/E_DataBasis.h"
#include "climalib/GlobalParameterTarget.h"
#include "climalib/MainWindowLink.h"
#include "climalib/RecordChainReader.h"
#include "climalib/RecordChainWriter.h"
#include "device/DatenManager.h"
#include "device/DatenStruktur.h"
#include "outside/datacore/DataBasis.h"
#include "outside/datacore/MainWindowMessages.h"
#include "outside/datacore/RequestRecords.h"
#include "outside/tablebox/DrawGridSE.h"
#include "outside/tablebox/DrawGridSEComboBox.h"
#include "outside/tablebox/DrawGridSEEdit.h"
#include "outside/tablebox/LkSpinEdit.h"
