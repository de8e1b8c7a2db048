#pragma once
// Writes the action log as an animation file (the newest format, with CutNumber, Free
// and free-move paths): the format line, then one block per action in log order.
// Lines end in CR LF; texts and file names are CP932.

#include "files/text_format.h"
#include "history/action_log.h"

#include <string>
#include <vector>

namespace murva {

// Saved in `folder`, a ReadData names its drawing from there (see NameFrom); without a
// folder, names stay as they are.
std::string WriteActionFile(const THistoryList& log, const std::string& folder = {});

// A drawing-process file of the figures, each created by one action with the stamp: the
// figure blocks carry no cut and no path, as a drawing's do.
std::string WriteDrawingFile(const std::vector<TFigData>& figures, const TActionTime& stamp);

// Writes a log's action blocks one after another, in log order, as a file holds them:
// what a journal appends as the log grows.
class TActionBlockWriter {
public:
    // Appends the block of the action that follows the last one written.
    void Write(const TActionItem& action, std::string& out);
    // The block of an action that is not in the log, written as if it followed.
    std::string Block(const TActionItem& action) const;

private:
    TFirstActionIndex First;
};

} // namespace murva
