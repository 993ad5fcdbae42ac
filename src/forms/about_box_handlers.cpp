#include "forms/about_box.h"
#include "forms/author_contact.h"

namespace folvaric {
namespace {

void openThroughShell(AboutBox& box, const std::string& target) {
    // No mail program or browser: nothing to report, the user sees nothing open.
    box.p.shell.execute(box.handle, "open", target, std::string(), std::string(), platform::ShowCommand::ShowNormal);
}

}  // namespace

void ProductNameDblClick(AboutBox& box) {
    box.p.clipboard.setText(box.ProductName.caption());
}

void VersionDblClick(AboutBox& box) {
    box.p.clipboard.setText(box.Version.caption());
}

// The bare address, without the "邮件：" label or the remark after it.
void CommentsClick(AboutBox& box) {
    box.p.clipboard.setText(author::mailAddress());
}

void CommentsDblClick(AboutBox& box) {
    openThroughShell(box, "mailto:" + author::mailAddress());
}

void Label1Click(AboutBox& box) {
    openThroughShell(box, author::webAddress());
}

void OKButtonClick(AboutBox& box) {
    box.hide();
}

}  // namespace folvaric
