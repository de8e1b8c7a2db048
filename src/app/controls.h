#pragma once
// Plain models of the window's controls. Handlers read and write these; the front
// end only shows them. A track bar's position set from code fires its change event
// at once when the value changes, exactly as a user's drag does.

#include "model/canvas.h"
#include "model/geometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace murva {

struct TControl {
    std::string Name;
    bool Visible = true;
    bool Enabled = true;
    std::string Caption;
    std::string Hint;
    TColor Color = clBtnFace;
};

// Speed buttons of a radio group and radio buttons.
struct TButtonControl : TControl {
    bool Down = false;
};

struct TEditControl : TControl {
    std::string Text;
};

// An image control with its own picture.
struct TImageControl : TControl {
    std::unique_ptr<Bitmap> Picture;
};

class TTrackBar : public TControl {
public:
    std::int32_t Min = 0;
    std::int32_t Max = 10;
    std::function<void()> OnChange;

    std::int32_t Position() const { return position; }
    // Clamped to Min..Max; fires OnChange when the value changes.
    void SetPosition(std::int32_t value);
    // Changes the range; a position outside it is moved in (firing OnChange).
    void SetRange(std::int32_t min, std::int32_t max);

private:
    std::int32_t position = 0;
};

} // namespace murva
