#include "forms/about_box.h"
#include "forms/about_picture.h"
#include "forms/author_contact.h"
#include "text/gbk_text.h"

namespace folvaric {
namespace {

constexpr int kClientWidth = 369;
constexpr int kClientHeight = 265;

platform::FontChoice pixelFont(const std::string& name, int pixels, bool underline = false) {
    platform::FontChoice font;
    font.name = name;
    font.size = pixels;  // the form gives these fonts by pixel height
    font.underline = underline;
    return font;
}

void hint(controls::Control& c, const char* utf8) {
    c.hint = text::gbk(utf8);
    c.showHint = true;
}

}  // namespace

void loadProgramIcon(AboutBox& box, const std::uint8_t* jpeg, std::size_t size) {
    box.ProgramIcon.picture = decodeJpeg(jpeg, size);
    if (box.ProgramIcon.onChanged) box.ProgramIcon.onChanged();
}

void buildAboutBox(AboutBox& box) {
    box.caption = "About";
    box.clientWidth = kClientWidth;
    box.clientHeight = kClientHeight;

    const platform::FontChoice dialogFont = pixelFont("MS Sans Serif", 11);
    const platform::FontChoice songti = pixelFont(text::gbk("宋体"), 13);

    box.Panel1.setBounds({6, 8, 355, 201});
    box.ProgramIcon.setBounds({8, 8, 65, 57});

    box.ProductName.setBounds({88, 16, 265, 19});
    box.ProductName.setCaption("Folvaric2.1");
    box.ProductName.font = dialogFont;
    hint(box.ProductName, "双击复制");

    box.Version.setBounds({88, 46, 233, 17});
    box.Version.setCaption(author::authorLine());
    box.Version.font = dialogFont;
    hint(box.Version, "双击复制");

    box.Label1.setBounds({8, 88, 273, 25});
    box.Label1.setCaption(text::gbk("网站：") + author::webAddress());
    box.Label1.font = pixelFont(songti.name, 13, true);

    box.Comments.setBounds({8, 137, 337, 26});
    box.Comments.setCaption(text::gbk("邮件：") + author::mailAddress() + text::gbk("  （双击打开，单击复制）"));
    box.Comments.font = songti;
    hint(box.Comments, "单击复制到剪切板");

    box.OKButton.setBounds({143, 221, 75, 25});
    box.OKButton.setCaption("OK");
    box.OKButton.font = dialogFont;

    box.ProductName.OnDblClick = [&box] { ProductNameDblClick(box); };
    box.Version.OnDblClick = [&box] { VersionDblClick(box); };
    box.Comments.OnClick = [&box] { CommentsClick(box); };
    box.Comments.OnDblClick = [&box] { CommentsDblClick(box); };
    box.Label1.OnClick = [&box] { Label1Click(box); };
    box.OKButton.OnClick = [&box] { OKButtonClick(box); };

    loadProgramIcon(box, kAboutPictureJpeg, kAboutPictureJpegSize);
}

}  // namespace folvaric
