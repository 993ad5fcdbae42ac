#include "storage/storage_messages.h"

#include "storage/storage_texts.h"

namespace folvaric {

void showStorageError(Form1& f, const std::string& text) {
    f.p.dialogs.messageBox(f.p.app.mainWindow(), text, storage_text::errorCaption(), platform::mb::Ok);
}

}  // namespace folvaric
