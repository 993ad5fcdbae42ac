#pragma once
#include "state/form1.h"

namespace folvaric {

void baocunjiheClick(Form1& f);          // save the ticked rows to 默认.txt
void lincunweiClick(Form1& f);           // save as ...
void diaorumorenjiheClick(Form1& f);     // load 默认.txt
void diaoruqitajiheClick(Form1& f);      // load another set ...
void baocunwenjianjiaziClick(Form1& f);  // write the ticked rows to f.folderSetFile
void diaorujiheziClick(Form1& f);        // load f.folderSetFile and re-open its folders
// The start-up load of 默认.txt: as diaorumorenjiheClick, but a set without entries is nothing
// to restore rather than an error.
void loadDefaultSetAtStartup(Form1& f);

}  // namespace folvaric
