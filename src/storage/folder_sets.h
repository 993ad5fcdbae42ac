#pragma once
#include "state/form1.h"

namespace folvaric {

void saveDefaultFolderSet(Form1& f);  // save the ticked rows to 默认.txt
void saveFolderSetAs(Form1& f);       // save as ...
void loadDefaultFolderSet(Form1& f);  // load 默认.txt
void loadOtherFolderSet(Form1& f);    // load another set ...
void writeFolderSetFile(Form1& f);    // write the ticked rows to f.folderSetFile
void readFolderSetFile(Form1& f);     // load f.folderSetFile and re-open its folders
// The start-up load of 默认.txt: as loadDefaultFolderSet, but a set without entries is nothing
// to restore rather than an error.
void loadDefaultSetAtStartup(Form1& f);

}  // namespace folvaric
