#include "outside/viewkit/ImageButton.h"

#include <algorithm>

TImageButton::TImageButton(int id, const TButtonData& data, QObject* parent)
    : QObject(parent), Id(id), Data(data), Selected(data.Flags[TButtonData::bfSelected] != 0),
      Canvas(std::max(data.Width, 1), std::max(data.Height, 1))
{
}
