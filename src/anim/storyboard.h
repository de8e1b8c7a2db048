#pragma once
// "えコンテを つくる": a storyboard to print, plan on and hang on the wall. A4 pages, six
// cuts to a page: each cut's number, its start and end pictures as the play button shows
// them, and lines for notes; the animation's name and the date at the top of every page.

#include "anim/playback.h"

#include <string>

namespace murva {

class TStoryboard {
public:
    TStoryboard(TDocument& doc, TShellState& shell, TCutState& cuts, Host& host,
                TPlayback& playback, Graphics& graphics)
        : Doc(doc), Shell(shell), Cuts(cuts), Platform(host), Playback(playback),
          Bitmaps(graphics) {}

    // Asks for a file name and writes the storyboard.
    void StoryboardMenuClick();
    // The PDF written, or false after the message that says why not. Nothing is left
    // under the name when it fails.
    bool ExportStoryboard(const std::string& path);

private:
    // The heading of every page: the animation's name and the date, over a line.
    void PageHeading(Pages& pages, const std::string& name, const std::string& date);
    // Cut `cut` in row `row` of the page: its label, its two pictures, its notes.
    void CutRow(Pages& pages, int row, std::int32_t cut, const Bitmap& start, const Bitmap& end);

    TDocument& Doc;
    TShellState& Shell;
    TCutState& Cuts;
    Host& Platform;
    TPlayback& Playback;
    Graphics& Bitmaps;
};

} // namespace murva
