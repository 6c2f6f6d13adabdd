#pragma once

#include <QIcon>

// The pictures of the toolbar's image list, 1-based, 24 x 22 pixels each.
QIcon toolbarImage(int index);
