#pragma once
// "えをかく": a child draws a new material in the drawing window. "できた" puts it into
// the next free slot of the bin by the road of a loaded material, so it saves, reloads
// and animates like any other; "ほぞん" keeps it as a material file.

#include "anim/animation_files.h"
#include "edit/drawing_board.h"

namespace murva {

class TMaterialDrawing {
public:
    TMaterialDrawing(TDocument& doc, TShellState& shell, Host& host, Graphics& graphics,
                     TAnimationFiles& files)
        : Board(graphics), Doc(doc), Shell(shell), Platform(host), Files(files) {}

    // What the drawing window shows and the mouse draws on.
    TDrawingBoard Board;

    // "えをかく": an empty canvas. Whether the drawing window may open now (not while
    // watching).
    bool DrawBtnClick();
    // "できた": the drawing into the bin as one user command. Whether the window closes.
    bool DoneClick();
    // "やめる": asks first when something is drawn. Whether the window closes.
    bool CancelClick();
    // A text typed on the canvas goes onto it; one holding a character that a file cannot
    // hold is refused with a word, and stays in the edit to be mended.
    void EnterText(const std::string& utf8);
    // "ぜんぶけす" of the drawing window, asking first.
    void ClearClick();
    // "ほぞん": the drawing as a material file, saved safely.
    void SaveClick();

    // The work in progress as a material file, each figure on its own and the one being
    // drawn among them; empty when nothing is drawn.
    std::string WorkInProgress() const;
    // Brings work in progress back onto an empty canvas.
    void Resume(std::string_view drawing);

private:
    // The drawing as a drawing-process file's text, stamped now.
    std::string DrawingText() const;

    // When the drawing window opened: its work in progress is stamped so.
    TActionTime Started;
    TDocument& Doc;
    TShellState& Shell;
    Host& Platform;
    TAnimationFiles& Files;
};

} // namespace murva
