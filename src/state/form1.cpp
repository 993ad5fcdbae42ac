#include "state/form1.h"

namespace folvaric {

Form1::Form1(platform::Platform platformServices) : p(platformServices) {
    for (controls::Control* c : std::initializer_list<controls::Control*>{
             &ToolBar1, &GradientLabel1, &CheckListBox1, &Panel1, &Button4, &Button1, &Button2, &Button3,
             &StatusBar1}) {
        c->attachFocus(&focus);
    }
}

}  // namespace folvaric
