#pragma once
// Background pictures behind the drawing field, and the drawing field exported as JPEG.

#include "ui/painter.h"

#include <string>

namespace murva {

enum class TPictureLoad { Loaded, Missing, Unreadable };

class TPictures {
public:
    TPictures(TDocument& doc, TShellState& shell, TWindowControls& controls, Host& host,
              TPainter& painter, Graphics& graphics)
        : Doc(doc), Shell(shell), C(controls), Platform(host), Painter(painter), Bitmaps(graphics) {
    }

    // Loaded; Missing when no file exists at the path; Unreadable when it exists but
    // cannot be decoded (a message is shown, the background is unchanged, callers record
    // nothing).
    TPictureLoad LoadBackground(const std::string& path);
    // The background the document's picture has becomes the one shown, loaded unless it
    // is shown already. A name without its folder is looked for in `folder`, that of the
    // file being opened, before the working folder; a moved picture by its bare name.
    void ShowDocumentBackground(const std::string& folder);
    // The picture at the path becomes the background, and that is recorded; false when it
    // could not be loaded.
    bool UseBackground(const std::string& path);
    // "はいけいをよみこむ".
    void ReadBGMenuClick();
    // "はいけいをけす": the background becomes white, and that is recorded.
    void ClearMenuClick();
    // The background shown becomes white.
    void ClearShown();
    // "画像をJPGに変換".
    void Save2JPEGMenuClick();
    // The field's picture as it is now, written safely as a JPEG file; false after the
    // failure message.
    bool WriteFieldAsJpeg(const std::string& path);

private:
    TDocument& Doc;
    TShellState& Shell;
    TWindowControls& C;
    Host& Platform;
    TPainter& Painter;
    Graphics& Bitmaps;
};

} // namespace murva
