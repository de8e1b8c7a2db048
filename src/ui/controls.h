#pragma once
// Plain models of the window's controls. Handlers read and write these; the front
// end only shows them. A track bar's position set from code fires its change event
// at once when the value changes, exactly as a user's drag does, unless set quietly.

#include "model/canvas.h"
#include "model/geometry.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace murva {

// The edge of a panel: none, raised, lowered, or a single line.
enum class TBevel { None, Raised, Lowered, Single };

struct TControl {
    std::string Name;
    bool Visible = true;
    bool Enabled = true;
    std::string Caption;
    std::string Hint;
    TColor Color = clBtnFace;
    // A panel whose model names a bevel shows it; with None it keeps the layout's own.
    TBevel Bevel = TBevel::None;
    int BevelWidth = 1;
};

class TButtonControl;

// Buttons of which one at a time is down, like radio buttons.
class TButtonGroup {
public:
    TButtonGroup(std::initializer_list<TButtonControl*> members);
    TButtonGroup(const TButtonGroup&) = delete;
    TButtonGroup& operator=(const TButtonGroup&) = delete;

private:
    friend class TButtonControl;
    std::vector<TButtonControl*> Members;
};

// Push buttons, speed buttons and radio buttons.
class TButtonControl : public TControl {
public:
    bool Down = false;
    TButtonGroup* Group = nullptr;
    // What a click does to the button before its handler runs: a button of a group goes
    // down and the others of the group up; a button of no group stays as it is.
    void Press();
};

struct TEditControl : TControl {
    std::string Text;
};

// An image control with its own picture. Whoever draws into the picture says so, so
// that the window repaints only the pictures that changed.
struct TImageControl : TControl {
    std::unique_ptr<Bitmap> Picture;
    std::uint64_t Version = 0;
    // Picture pixels per layout pixel: a picture painted for a zoomed window is larger.
    double Scale = 1;
    // The picture, counted as changed.
    Bitmap& Modify() {
        ++Version;
        return *Picture;
    }
};

class TTrackBar : public TControl {
public:
    std::int32_t Min = 0;
    std::int32_t Max = 10;
    std::function<void()> OnChange;

    std::int32_t Position() const { return position; }
    // Clamped to Min..Max; fires OnChange when the value changes.
    void SetPosition(std::int32_t value);
    // The same without OnChange: the bar only follows what is already shown.
    void SetPositionQuietly(std::int32_t value);
    // Changes the range; a position outside it is moved in (firing OnChange).
    void SetRange(std::int32_t min, std::int32_t max);

private:
    std::int32_t position = 0;
};

} // namespace murva
