#include "anim/storyboard.h"

#include "files/file_names.h"
#include "files/safe_file.h"
#include "ui/texts.h"

#include <array>
#include <cstdio>

namespace murva {

namespace {

// The page, in millimetres: A4 with its margins, a heading, and six rows of cuts.
constexpr double PageWidth = 210, PageHeight = 297, Margin = 12;
constexpr double RowsTop = 24;
constexpr int RowsPerPage = 6;
constexpr double RowHeight = (PageHeight - Margin - RowsTop) / RowsPerPage;
// In a row: the label, the two pictures (the field's proportions) under their captions,
// and the notes beside them.
constexpr double PicturesLeft = 38, PictureWidth = 48, PictureHeight = 36, PictureGap = 4;
constexpr double NotesLeft = PicturesLeft + 2 * (PictureWidth + PictureGap);
constexpr int NoteLines = 3;

// The outline of the box, in thin lines.
void Frame(Pages& pages, const TPageBox& box) {
    const double right = box.X + box.Width, bottom = box.Y + box.Height;
    pages.Line({box.X, box.Y, box.Width, 0});
    pages.Line({box.X, bottom, box.Width, 0});
    pages.Line({box.X, box.Y, 0, box.Height});
    pages.Line({right, box.Y, 0, box.Height});
}

} // namespace

void TStoryboard::StoryboardMenuClick() {
    Doc.CommitHeldChange();
    const std::optional<std::string> path =
        Platform.SaveDialog(Shell.SaveDialog(texts::PdfSaveFilter, "pdf", Platform));
    if (path && ExportStoryboard(*path)) Platform.ShowMessage(texts::StoryboardWritten);
}

void TStoryboard::PageHeading(Pages& pages, const std::string& name, const std::string& date) {
    pages.Text({Margin, Margin - 2, 120, 7}, 12, name);
    pages.Text({PageWidth - Margin - 30, Margin - 2, 30, 7}, 11, date);
    pages.Line({Margin, RowsTop - 4, PageWidth - 2 * Margin, 0});
}

void TStoryboard::CutRow(Pages& pages, int row, std::int32_t cut, const Bitmap& start,
                         const Bitmap& end) {
    const double top = RowsTop + row * RowHeight;
    pages.Text({Margin, top + 5, PicturesLeft - Margin - 2, 7}, 12,
               Platform.InWords(texts::StoryboardCut, std::to_string(cut)));
    const std::array<std::pair<const char*, const Bitmap*>, 2> pictures{
        {{texts::StoryboardStart, &start}, {texts::StoryboardEnd, &end}}};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const double left = PicturesLeft + double(i) * (PictureWidth + PictureGap);
        pages.Text({left, top, PictureWidth, 4}, 8, Platform.InWords(pictures[i].first));
        const TPageBox box{left, top + 4.5, PictureWidth, PictureHeight};
        pages.Picture(box, *pictures[i].second);
        Frame(pages, box);
    }
    const double notesWidth = PageWidth - Margin - NotesLeft;
    pages.Text({NotesLeft, top, notesWidth, 4}, 8, Platform.InWords(texts::StoryboardNotes));
    for (int line = 1; line <= NoteLines; ++line)
        pages.Line({NotesLeft, top + 4.5 + line * PictureHeight / NoteLines, notesWidth, 0});
}

bool TStoryboard::ExportStoryboard(const std::string& path) {
    Doc.CommitHeldChange();
    if (Doc.FigList().IsEmpty()) {
        Platform.ShowMessage(texts::NothingToPlay);
        return false;
    }
    const std::string name = Shell.DataFileName.empty()
                                 ? std::string()
                                 : ReplaceExtension(BareFileName(Shell.DataFileName), "");
    const std::unique_ptr<Pages> pages = Bitmaps.CreatePages(name);
    if (!pages) {
        Platform.ShowMessage(texts::PictureUnwritable);
        return false;
    }
    const TLocalTime now = Platform.Now();
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", int(now.Year), now.Month, now.Day);

    // Each cut filmed as the play button shows it: a picture when it starts, one when it ends.
    const std::unique_ptr<Bitmap> start =
        Bitmaps.CreateBitmap(TWindowControls::FieldWidth, TWindowControls::FieldHeight);
    const std::unique_ptr<Bitmap> end =
        Bitmaps.CreateBitmap(TWindowControls::FieldWidth, TWindowControls::FieldHeight);
    TFilming filming;
    filming.Rate = 1000 / Playback.RunMilliseconds();
    filming.Take = [&] {
        filming.Picture = end.get();
        return true;
    };
    Playback.FilmOffScreen([&] {
        for (std::int32_t cut = 1; cut <= Cuts.CutCount; ++cut) {
            const int row = (cut - 1) % RowsPerPage;
            if (row == 0) {
                if (cut > 1) pages->NewPage();
                PageHeading(*pages, name, date);
            }
            Cuts.CurrentCut = cut;
            filming.Picture = start.get();
            Playback.PlayCut(&filming);
            CutRow(*pages, row, cut, *start, *end);
        }
    });
    const std::optional<std::string> bytes = pages->Finish();
    if (bytes && WriteFileAtomically(path, *bytes, path + ".bak")) return true;
    Platform.ShowMessage(texts::PictureUnwritable);
    return false;
}

} // namespace murva
