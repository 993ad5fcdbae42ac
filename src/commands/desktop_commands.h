#pragma once
#include "state/form1.h"

namespace folvaric {

void minimiseOtherPrograms(Form1& f);
void restoreOtherPrograms(Form1& f);
void openProgramFolder(Form1& f);
void restartExplorer(Form1& f);
void openDualWindow(Form1& f);
void copySelectedPath(Form1& f);
void copySelectedName(Form1& f);
void copyStatusLine(Form1& f);
void statusLineDoubleClicked(Form1& f);

}  // namespace folvaric
