#include "forms/about_box.h"
#include "forms/author_contact.h"
#include "forms/shell_launch.h"

namespace folvaric {
namespace {

void openThroughShell(AboutBox& box, const std::string& target) {
    openThroughShellOrReport(box.p, box.handle, target, platform::ShowCommand::ShowNormal);
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
