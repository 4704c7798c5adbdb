#include "outside/viewkit/Zeichentabelle.h"

void DeleteZeichentabelle(platform::HWND /*mainWindow*/)
{
    // This program has no character-table window yet: there is nothing to close.
}
