#pragma once
// Animation and drawing-process files as the user opens and saves them: opening by name
// (from the command line, a drop or a menu), reading into the log with the reader's
// messages, replaying what was read, giving new figures their end copies, and saving.

#include "anim/anim_state.h"
#include "anim/pictures.h"
#include "anim/work_reset.h"
#include "files/action_reader.h"
#include "ui/painter.h"
#include "ui/texts.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace murva {

// Asks before a chosen file that exists is replaced; No says the save was cancelled.
bool MayReplace(Host& host, const std::string& path);

// How the three ways of opening an animation or drawing-process file differ.
struct TLoadRoad {
    // The caption of the question before an animation replaces the work, which is asked
    // only when there is work to lose.
    const char* AskCaption;
    // Opening by name and "そざいをよみこむ" reset as soon as an animation is named, and
    // before the read whenever the log is empty; "ムルヴァからよみこむ" only before the
    // read, and only when the window held no figure.
    bool ResetAtOnce;
    // Opening by name and "そざいをよみこむ" offer a read animation's background anew,
    // mark new end copies and clear the selection afterwards.
    bool AsMaterial;
};

inline constexpr TLoadRoad ByName{texts::ConfirmCaption, true, true};
inline constexpr TLoadRoad ByZindaLoad{texts::ConfirmCaptionKana, true, true};
inline constexpr TLoadRoad ByMurvaLoad{texts::ConfirmCaptionKana, false, false};

class TAnimationFiles {
public:
    TAnimationFiles(TDocument& doc, TShellState& shell, TCutState& cuts, TReaderState& reader,
                    Host& host, TPainter& painter, TPartsState& parts, TWorkReset& reset,
                    TPictures& pictures)
        : Doc(doc), Shell(shell), Cuts(cuts), Reader(reader), Platform(host), Painter(painter),
          Parts(parts), Reset(reset), Pictures(pictures) {}

    // Opens an animation, a drawing-process file or a background picture.
    void OpenFileByName(const std::string& path);
    // "ムルヴァからよみこむ": an animation, or a drawing-process file added to the work.
    void MurvaLoadClick();
    // "そざいをよみこむ": a picture of the ready materials, or a drawing-process file as a
    // material, or an animation.
    void ZindaLoadClick();
    // A click on the bin's picture 1..5: an empty slot while making opens the same.
    void PartsImageClick(int slot);
    // Reads the file into the document as the load kind says, with the reader's messages;
    // whether it read. `background`, if given, gets the name of the last background read.
    bool Read(std::istream& file, TEndCopies endCopies, const std::string& dataFile = {},
              std::string* background = nullptr);
    // A drawing made in the drawing window, as a drawing-process file's text, into the
    // next slot of the bin as "そざいをよみこむ" puts a material there.
    void AddDrawnMaterial(const std::string& drawing);
    // Work brought back from a recovery journal: its log as an animation file, and the
    // file the work was opened from (empty: none), which stays unsaved.
    void OpenRecoveredWork(const std::string& body, const std::string& fileName);

    // Save as: asks for a name, and before replacing a file. Whether the work was saved.
    bool WriteDataMenuClick();
    // Save over the current file, or save as when there is none. Whether it was saved.
    bool OverWriteDataMenuClick();

private:
    // An animation or drawing-process file chosen in a load dialog.
    void LoadChosenFile(const char* filter, const TLoadRoad& road);
    // Reads an animation or drawing-process file whose extension and moment were checked.
    void LoadLogFile(const std::string& path, const TLoadRoad& road);
    void ShowReadNotes(const std::vector<TReadNote>& notes);
    // The bookkeeping after an animation or drawing-process file was opened (or not).
    void FinishDataLoad(const TLoadRoad& road);
    // Offers to choose anew the background the file read, when the picture shows it.
    void OfferBackground(const std::string& read);

    TDocument& Doc;
    TShellState& Shell;
    TCutState& Cuts;
    TReaderState& Reader;
    Host& Platform;
    TPainter& Painter;
    TPartsState& Parts;
    TWorkReset& Reset;
    TPictures& Pictures;
};

} // namespace murva
