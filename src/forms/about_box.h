#pragma once
// TAboutBox: the program's picture, name and author, its web and mail addresses, and an OK
// button. The labels copy themselves to the clipboard or open their address through the shell.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "controls/simple_controls.h"
#include "forms/form_window.h"
#include "forms/jpeg_decoder.h"
#include "platform/platform.h"

namespace folvaric {

// A picture box that stretches its picture to its bounds. No picture: the box stays empty.
class PictureBox : public controls::Control {
public:
    using controls::Control::Control;
    std::optional<RgbImage> picture;
    bool stretch = true;
};

struct AboutBox : FormWindow {
    explicit AboutBox(platform::Platform platform) : p(platform) {}

    platform::Platform p;

    controls::Panel Panel1{"Panel1"};
    // The picture and the four labels sit on Panel1; their bounds are relative to it.
    PictureBox ProgramIcon{"ProgramIcon"};
    controls::Label ProductName{"ProductName"};
    controls::Label Version{"Version"};
    controls::Label Label1{"Label1"};
    controls::Label Comments{"Comments"};
    controls::Button OKButton{"OKButton"};
};

// The box as designed, its events bound, and the picture carried inside the program.
void buildAboutBox(AboutBox& box);
// Decodes a JPEG into the picture box; data that cannot be read leaves the box without one.
void loadProgramIcon(AboutBox& box, const std::uint8_t* jpeg, std::size_t size);

void ProductNameDblClick(AboutBox& box);
void VersionDblClick(AboutBox& box);
void CommentsClick(AboutBox& box);
void CommentsDblClick(AboutBox& box);
void Label1Click(AboutBox& box);
void OKButtonClick(AboutBox& box);

}  // namespace folvaric
