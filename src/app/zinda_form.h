#pragma once
// The main window without its toolkit: the application state, the control models,
// the pictures, and one method per event handler. Handlers stay short and call the
// subsystem that does the work.

#include "app/app_state.h"
#include "app/controls.h"
#include "app/host.h"
#include "history/recording.h"
#include "model/canvas.h"

#include <array>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace murva {

class TZindaForm {
public:
    static constexpr std::int32_t FieldWidth = 640;
    static constexpr std::int32_t FieldHeight = 480;
    static constexpr std::int32_t ThumbWidth = 100;
    static constexpr std::int32_t ThumbHeight = 75;

    TZindaForm(Host& host, Graphics& graphics);
    ~TZindaForm();
    TZindaForm(const TZindaForm&) = delete;
    TZindaForm& operator=(const TZindaForm&) = delete;

    AppState S;

    // --- Start-up, reset, opening files ---
    // args: the command-line arguments after the program name.
    void FormCreate(const std::vector<std::string>& args);
    void ResetDocument();
    void SetDefaultPen();
    void OpenFileByName(const std::string& path);
    // Files dropped on the window: only the first is opened.
    void WMDropFiles(const std::vector<std::string>& paths);
    // The window is asked to close.
    void FormCloseQuery();

    // --- Painting ---
    void PaintBoxPaint();
    void PaintCutThumbnail(TRect rect);
    void DrawSelectionFrame(TFigItem* item);
    void ToggleSelectionFrame(TFigItem* item);

    // --- Cut strip and parts bin ---
    void RefreshCutStrip();
    void RefreshPartsBin();
    // The counter: current cut, a slash, the cut count.
    void UpdateCutCounter();

    // --- Recording and replay ---
    void RecordFigureAction(TActionKind kind, TFigItem* item);
    void RecordFileAction(TActionKind kind, const std::string& fileName);
    void RecordAction(TActionKind kind);
    void RecordChange(TActionKind kind, TChangeParameter parameter);
    void CommitPendingChange();
    void ReplayToCursor();
    // Gives each figure just read its end copy; markEndCopies gives the copies Rotation 1.
    void TwinNewFigures(bool wasEmpty, bool markEndCopies);

    // --- Saving and the background question of a read file ---
    void WriteDataMenuClick();
    void OverWriteDataMenuClick();
    void MurvaSaveClick();
    void MurvaOverSaveClick();
    void ReSpecifyBackground(TActionItem* action);
    // Reads an animation or drawing-process file into the log, showing the reader's
    // messages; 0 success, 1 failure.
    int ReadActionFile(std::istream& file);

    // --- Background pictures and the JPEG export ---
    // 1 when no file exists at the path; 2 when it exists but cannot be decoded (a
    // message is shown, the background is unchanged, callers record nothing); 0 otherwise.
    int LoadBackground(const std::string& path);
    void ReadBGMenuClick();
    // "はいけいをけす": the background becomes white, and that is recorded.
    void ClearMenuClick();
    void Save2JPEGMenuClick();

    // --- Leaving ---
    void ExitMenuClick();

    // --- Controls ---
    std::string Caption;
    TControl DrawField, ColorBasePanel, ClearPanel, ConfirmPanel;
    std::array<TControl, 16> ColorPanels; // ColorPanel01..ColorPanel16
    TImageControl BGImage, PaintBox, Image1;
    std::array<TImageControl, 5> CutImages;   // CutImage1..CutImage5
    std::array<TImageControl, 5> PartsImages; // PartsImage1..PartsImage5
    std::array<TControl, 5> ImagePanels;      // ImagePanel1..ImagePanel5
    std::array<TControl, 5> PartsPanels;      // Panel10, Panel9, Panel8, Panel7, Panel6
    std::array<TControl, 80> FilmHoles;       // Panel11..Panel90
    TEditControl InputEdit, CutSelect;
    TTrackBar HTrackBar, VTrackBar, PlayBar, SpeedBar;
    TControl Panel1, Panel2, Panel3, Panel4, Panel5, Panel91, Panel92, Panel93;
    TButtonControl AllChangeBtn, DRChangeBtn, HVChangeBtn, ULChangeBtn;
    TControl ObjectPanel, MovePanel, CutPanel, GroupBox3, SpeedPanel, WatchPanel;
    TButtonControl SpeedButton9, SpeedButton12, SpeedButton4, FrontBtn, BackBtn;
    TButtonControl BodyColorBtn, LineColorBtn;
    TButtonControl MoveLineBtn, MoveFreeBtn, SameSpeedBtn, FastSpeedBtn, SlowSpeedBtn;
    TButtonControl CutDelete, CutMake, CutCombert;
    std::array<TButtonControl, 5> PartsMoveBtns;   // PartsMoveBtr1..PartsMoveBtr5
    std::array<TButtonControl, 5> PartsRemoveBtns; // SpeedButton18, 10, 22, 23, 24
    TButtonControl CutCountDownBtn, CutCountUpBtn;
    TControl CutDisplayPanel;
    TButtonControl SellectMakeBtn, SellectMoveBtn;
    TButtonControl FastBtn, SpeedBtn, SlowBtn, PlayButton, AllPlayButton;

    // Every named control, for the front end and for tests.
    std::vector<TControl*> AllControls();
    // The holes of film-strip thumbnail k (1..5): six above, six below.
    std::array<TControl*, 12> HolesOfThumb(int k);

    // The off-screen picture of the drawing field.
    std::unique_ptr<Bitmap> CanvasBitmap;

    Host& GetHost() { return host; }
    Graphics& GetGraphics() { return graphics; }

private:
    TRecorder Recorder();
    // Paints five thumbnails with the cuts from firstCut on; the current cut stays.
    void PaintThumbnails(std::array<TImageControl, 5>& images, std::int32_t firstCut);
    // The bookkeeping after an animation or drawing-process file was opened (or not).
    void FinishDataLoad(bool wasEmpty);
    void NameControls();
    void LayOutInitialState();
    void SetCaptionForFile();
    Host& host;
    Graphics& graphics;
    // The field-sized picture thumbnails are drawn on, kept between thumbnails.
    std::unique_ptr<Bitmap> ThumbnailScratch;
};

} // namespace murva
