#pragma once

#include <QIcon>

// The pictures of the toolbar's image list, 1-based, 24 x 22 pixels at scale 1 and sharp at any
// scale; an index outside 1 to 17 has no picture.
QIcon toolbarImage(int index);
