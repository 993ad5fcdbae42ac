#pragma once
#include "state/form1.h"

namespace folvaric {

// Builds the menus and binds every control and menu item to its handler.
void buildForm1(Form1& f);
void FormCreate(Form1& f);
void FormShow(Form1& f);
void FormClose(Form1& f);
void ApplicationEvents1Restore(Form1& f);
void N43Click(Form1& f);
// Windows is ending the session: the ticked set must survive it.
void sessionEnding(Form1& f);

}  // namespace folvaric
