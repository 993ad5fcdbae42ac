#pragma once
#include "state/form1.h"

namespace folvaric {

void guanbidangeClick(Form1& f);
void dangezuixiaohuaClick(Form1& f);
void dangezuidahuaClick(Form1& f);
void quanbuzuixiaohuaClick(Form1& f);
void quanbuzuidahuaClick(Form1& f);
void N39Click(Form1& f);
void guanbiquanbuClick(Form1& f);
void dagouquanbuguanbiClick(Form1& f);
void sansuoClick(Form1& f);
void jisuanClick(Form1& f);

}  // namespace folvaric
