#pragma once

class TImageList;

namespace views {

// Fills the image list of the function tree and the child list: one small drawing for every
// icon index the data objects give (the device, its display and date sending, the push-button
// sensor with its keys, rockers and states, scenes, time switches, the remote control, the
// controller's functions, the group-address folder and groups, communication objects), an empty
// image for the indexes between.
void FillTreeImages(TImageList& images);

} // namespace views
