#pragma once
// The handlers under the names the forms give them. The program's functions have readable
// names; a form name ("suaxinClick", "N10Click") met in notes or reports is found here.
#include <cstddef>

#include "state/form1.h"

namespace folvaric {

struct FormHandler {
    const char* formName;
    void (*run)(Form1&);
};

// Every handler that takes only the main form.
extern const FormHandler kFormHandlers[];
extern const std::size_t kFormHandlerCount;

// The handler of this form name; null when there is none.
const FormHandler* findFormHandler(const char* formName);

}  // namespace folvaric
