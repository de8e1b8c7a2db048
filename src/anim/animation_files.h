#pragma once
// Animation and drawing-process files as the user opens and saves them: opening by name
// (from the command line, a drop or a menu), reading into the log with the reader's
// messages, replaying what was read, giving new figures their end copies, and saving.

#include "anim/anim_state.h"
#include "anim/document.h"
#include "anim/film_strip.h"
#include "anim/pictures.h"
#include "ui/services.h"

#include <iosfwd>
#include <string>

namespace murva {

class TAnimationFiles {
public:
    TAnimationFiles(TServices& services, TPartsState& parts, TDocument& document,
                    TPictures& pictures, TFilmStrip& strip)
        : App(services), Parts(parts), Document(document), Pictures(pictures), Strip(strip) {}

    // Opens an animation, a drawing-process file or a background picture.
    void OpenFileByName(const std::string& path);
    // Reads an animation or drawing-process file into the log, showing the reader's
    // messages; 0 success, 1 failure.
    int ReadActionFile(std::istream& file);
    // Offers to choose the background of a read animation anew.
    void ReSpecifyBackground(TActionItem* action);
    // Applies the actions up to the replay cursor and loads their background.
    void ReplayToCursor();
    // Gives each figure just read its end copy; markEndCopies gives the copies Rotation 1.
    void TwinNewFigures(bool wasEmpty, bool markEndCopies);

    // Save as: asks for a name, and before replacing a file.
    void WriteDataMenuClick();
    // Save over the current file, or save as when there is none.
    void OverWriteDataMenuClick();

private:
    // The bookkeeping after an animation or drawing-process file was opened (or not).
    void FinishDataLoad(bool wasEmpty);
    void SetCaptionForFile();

    TServices& App;
    TPartsState& Parts;
    TDocument& Document;
    TPictures& Pictures;
    TFilmStrip& Strip;
};

} // namespace murva
