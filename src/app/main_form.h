#pragma once
#include "state/form1.h"

namespace folvaric {

// The program entry runs, in this order: buildForm1 (the form as designed, every event
// bound), FormCreate, then the view creates the window at f.bounds and shows it, which runs
// FormResize and FormShow.

// Builds the controls and menus as designed and binds every event to its handler.
void buildForm1(Form1& f);
void FormCreate(Form1& f);
void FormShow(Form1& f);
void FormClose(Form1& f);
void programRestored(Form1& f);
void exitFromTray(Form1& f);
// Windows is ending the session: the ticked set must survive it.
void sessionEnding(Form1& f);

}  // namespace folvaric
