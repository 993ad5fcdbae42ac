#pragma once
#include "state/form1.h"

namespace folvaric {

// A drag of the list began at a point of the list's client area.
void listDragStarted(Form1& f, int listX, int listY);
// The list is the only drag source; a drag is accepted when it comes from it.
bool listDragOver(Form1& f, const void* source);
// Dropped at (x, y) in the list's client coordinates.
void listDragDropped(Form1& f, int x, int y);
void sortByProtection(Form1& f);

}  // namespace folvaric
