#pragma once
#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "platform/Handles.h"
#include "platform/WindowFrame.h"

namespace zubolo {

// One paint of the About box's background: a two-colour gradient from white at the top-left
// corner to `colour` (0x00BBGGRR: red in the low byte) at the bottom-right one, running from top
// to bottom when `vertical`, from left to right otherwise.
struct AboutBackground {
    std::uint32_t colour = 0;
    bool vertical = false;
};

// A colour drawn anew from the generator (a value below 0xFFFFFF); an even colour runs from top
// to bottom, an odd one from left to right.
AboutBackground PickAboutBackground(std::mt19937& random);

// Where the About box puts the mouse pointer before it is shown: on its OK button, two thirds of
// the way across and a third of the way down. From the box's outer bounds and client size and
// the button's place in the client area (top-left corner) and client size.
ScreenPoint AboutCursorPoint(const ScreenRect& box, int boxClientWidth, int boxClientHeight,
                             const ScreenPoint& okTopLeft, int okClientWidth, int okClientHeight);

// What the About box shows and does.
struct AboutBoxContent {
    std::u16string caption;
    // Lines separated by CR LF.
    std::u16string text;
    // The hint of the icon, the only control of the box that shows one.
    std::u16string iconHint;
    // A click on the icon; the box stays open. Receives the box, to own any notice it shows.
    std::function<void(WindowHandle box)> iconClicked;
    // Asked at every paint of the box for the background to paint.
    std::function<AboutBackground()> nextBackground;
};

// The About box: a modal dialog with the program's icon, the text beside it over a gradient
// background and one OK button (the default, and the answer to Esc), centred on the screen, with
// a small caption bar without buttons.
class AboutBoxes {
  public:
    virtual ~AboutBoxes() = default;
    // Shows the box owned by `owner` and returns once it is closed.
    virtual void ShowModal(WindowHandle owner, const AboutBoxContent& content) = 0;
};

}  // namespace zubolo
