#pragma once
#include "state/form1.h"

namespace folvaric {

void quanbuxuanzeClick(Form1& f);
void quanbubuxuanClick(Form1& f);
void fanxiangxuanzeClick(Form1& f);
void CheckListBox1KeyDown(Form1& f, unsigned key, unsigned shift);
void CheckListBox1KeyUp(Form1& f, unsigned key, unsigned shift);
void CheckListBox1ClickCheck(Form1& f);
void CheckListBox1Click(Form1& f);
void CheckListBox1DblClick(Form1& f);

}  // namespace folvaric
