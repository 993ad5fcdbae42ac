#pragma once
#include "state/form1.h"

namespace folvaric {

void Explorer1Click(Form1& f);
void Explorer2Click(Form1& f);
void N70Click(Form1& f);
void explorer5Click(Form1& f);
void dakaiExplorerClick(Form1& f);
void fuzilujinClick(Form1& f);
void fuziwenjianminClick(Form1& f);
void fuzizuangtailanClick(Form1& f);
void StatusBar1DblClick(Form1& f);

}  // namespace folvaric
