#include "app/FormMain.h"

#include "platform/TraceLog.h"

// Commands whose work is not in the program yet: each does nothing but trace until its own file
// takes it over.

#define PENDING(signature, name)                                                                                       \
    void TFormMain::signature                                                                                          \
    {                                                                                                                  \
        LOG_FKT_START("TFormMain::" name);                                                                             \
    }

PENDING(Drucken(), "Drucken")
PENDING(DruckeInDatei(), "DruckeInDatei")
PENDING(SeitenVorschau(), "SeitenVorschau")
PENDING(OpenCharTab(), "OpenCharTab")
PENDING(DownloadRs232Start(), "DownloadRs232Start")

#undef PENDING

bool TFormMain::DownloadRs232Options()
{
    LOG_FKT_START("TFormMain::DownloadRs232Options");
    return false;
}
