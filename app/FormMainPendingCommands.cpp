#include "app/FormMain.h"

#include "platform/TraceLog.h"

// Commands whose work is not in the program yet: each does nothing but trace until its own file
// takes it over.

#define PENDING(signature, name)                                                                                       \
    void TFormMain::signature                                                                                          \
    {                                                                                                                  \
        LOG_FKT_START("TFormMain::" name);                                                                             \
    }

PENDING(Import(), "Import")
PENDING(Export(), "Export")

#undef PENDING
